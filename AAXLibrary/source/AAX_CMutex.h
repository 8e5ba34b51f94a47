#pragma once

#include <memory>

/** A lock that a thread may take again while it holds it: the inner Lock answers false at
    once and counts nothing, so only the caller whose Lock answered true unlocks.

    The owner is read by every thread that tries the lock and written by the holder, so it
    is kept atomically. When the system mutex cannot be made, Lock answers false and
    Unlock does nothing: callers then run unserialised.
*/
class AAX_CMutex
{
public:
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    /** Waits for the lock and answers true, or answers false at once when this thread
        already holds it or there is no system mutex.
    */
    bool Lock();

    /** Releases the lock when this thread holds it; otherwise does nothing. */
    void Unlock();

private:
    struct Record;
    std::unique_ptr<Record> mRecord;
};
