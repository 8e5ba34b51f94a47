#pragma once

#include "AAX.h"

#include <cstring>
#include <vector>

/** A chunk record in memory of exactly its header and data size, so that AddressSanitizer
    catches any byte read or written past its data.
*/
class ChunkRecord
{
public:
    explicit ChunkRecord (size_t dataSize, AAX_CTypeID chunkID = 0)
        : bytes (AAX_kPlugInChunkHeaderSize + dataSize)
    {
        get()->fSize = static_cast<int32_t> (dataSize);
        get()->fChunkID = chunkID;
    }

    /** A record holding the given data bytes. */
    static ChunkRecord withData (const std::vector<char>& data, AAX_CTypeID chunkID = 0)
    {
        ChunkRecord record (data.size(), chunkID);

        if (! data.empty())
            std::memcpy (record.data(), data.data(), data.size());

        return record;
    }

    AAX_SPlugInChunk* get()                 { return reinterpret_cast<AAX_SPlugInChunk*> (bytes.data()); }
    AAX_SPlugInChunk* operator->()          { return get(); }
    char* data()                            { return AAX_GetChunkData (get()); }

    /** The data part as written, by the size field. */
    std::vector<char> dataBytes()           { return std::vector<char> (data(), data() + get()->fSize); }

private:
    std::vector<char> bytes;
};
