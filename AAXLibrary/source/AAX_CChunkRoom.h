#pragma once

#include "AAX.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

/** How much room a chunk record handed to GetChunk has: the sizes GetChunkSize
    reported, kept per host thread.

    A host makes a record with room for the size it was told. A record whose size
    field is set says its room itself. One whose field the host left at 0 has the
    room of the size last reported to the thread that hands it over, whatever
    another thread was told since (a state measured again after a restore may have
    grown); without such a report it has none.
*/
class AAX_CChunkRoom
{
public:
    /** Notes the size just reported to the calling thread. */
    void NoteReportedSize (int64_t size);

    /** Whether record has room for dataSize data bytes. */
    bool HasRoomFor (const AAX_SPlugInChunk& record, int64_t dataSize) const;

private:
    mutable std::mutex mLock;
    std::map<std::thread::id, int64_t> mReportedSizes;
};
