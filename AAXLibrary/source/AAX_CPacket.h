#pragma once

#include "AAX.h"

#include <vector>

/** The packet of one data port: the payload posted to the port and whether it must be
    generated and posted again. Owned by the packet dispatcher.
*/
class AAX_CPacket
{
public:
    /** The payload's bytes. */
    class SPacketData
    {
    public:
        SPacketData() : mData (initialSize, 0) {}

        /** Resizes the buffer to exactly numBytes (new bytes are zero) and returns its
            first byte, or null for 0 bytes. The caller writes the payload there and sets
            the packet's size to numBytes.
        */
        void* Get (uint32_t numBytes) const
        {
            mData.resize (numBytes, 0);
            return mData.empty() ? nullptr : mData.data();
        }

        /** The first byte of the payload, or null for an empty one. */
        const void* Get() const         { return mData.empty() ? nullptr : mData.data(); }

        /** The number of bytes the buffer holds. */
        size_t Size() const noexcept    { return mData.size(); }

    private:
        static constexpr size_t initialSize = 8;
        mutable std::vector<uint8_t> mData;
    };

    /** A new packet is dirty and empty. */
    explicit AAX_CPacket (AAX_CFieldIndex port) : mID (port) {}

    AAX_CFieldIndex GetID() const noexcept          { return mID; }
    bool IsDirty() const noexcept                   { return mDirty; }
    void SetDirty (bool dirty) noexcept             { mDirty = dirty; }
    uint32_t GetSize() const noexcept               { return mDataSize; }
    void SetSize (uint32_t size) noexcept           { mDataSize = size; }
    const SPacketData& GetData() const noexcept     { return mPacketData; }

private:
    AAX_CFieldIndex mID;
    bool mDirty = true;
    uint32_t mDataSize = 0;
    SPacketData mPacketData;
};
