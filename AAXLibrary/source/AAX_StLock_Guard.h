#pragma once

#include "AAX_CMutex.h"

/** Holds an AAX_CMutex for its scope, and releases it only when its own Lock took it. */
class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex& mutexToLock)
        : mMutex (mutexToLock), mLocked (mutexToLock.Lock())
    {
    }

    ~AAX_StLock_Guard()
    {
        if (mLocked)
            mMutex.Unlock();
    }

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& mMutex;
    const bool mLocked;
};
