#include "AAX_CChunkRoom.h"

void AAX_CChunkRoom::NoteReportedSize (int64_t size)
{
    const std::lock_guard<std::mutex> lock (mLock);
    mReportedSizes[std::this_thread::get_id()] = size;
}

bool AAX_CChunkRoom::HasRoomFor (const AAX_SPlugInChunk& record, int64_t dataSize) const
{
    if (record.fSize != 0)
        return record.fSize >= dataSize;

    const std::lock_guard<std::mutex> lock (mLock);
    const auto reported = mReportedSizes.find (std::this_thread::get_id());
    return reported != mReportedSizes.end() && reported->second >= dataSize;
}
