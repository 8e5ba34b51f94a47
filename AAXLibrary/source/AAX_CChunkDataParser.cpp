#include "AAX_CChunkDataParser.h"

#include "AAX_CHostServices.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace
{
    constexpr uint8_t chunkMarker[] = { 1, 1, 1, 1 };
    constexpr int64_t markerSize = sizeof (chunkMarker);
    constexpr int64_t tagSize = 2;
    constexpr int32_t writeErrorTracePriority = 0x08000000;

    int64_t roundUpToFour (int64_t n) noexcept
    {
        return (n + 3) & ~int64_t (3);
    }

    char tagLetterOf (int32_t type) noexcept
    {
        switch (type)
        {
            case AAX_CChunkDataParser::kDataType_Float:     return 'f';
            case AAX_CChunkDataParser::kDataType_Int32:     return 'l';
            case AAX_CChunkDataParser::kDataType_Double:    return 'd';
            case AAX_CChunkDataParser::kDataType_Short:     return 's';
            case AAX_CChunkDataParser::kDataType_String:    return 'r';
            default:                                        return 0;
        }
    }

    /** The bytes an item's value takes in the data, padding included. */
    int64_t valueSizeOf (const AAX_CChunkDataParser::DataValue& item) noexcept
    {
        switch (item.mDataType)
        {
            case AAX_CChunkDataParser::kDataType_Double:    return 8;
            case AAX_CChunkDataParser::kDataType_String:    return roundUpToFour (int64_t (item.mStringValue.Length()) + 1);
            case AAX_CChunkDataParser::kDataType_None:      return 0;
            default:                                        return 4;
        }
    }

    /** The value's start, relative to its entry's start: after the tag, name and padding. */
    int64_t valueOffsetOf (const AAX_CChunkDataParser::DataValue& item) noexcept
    {
        return roundUpToFour (tagSize + int64_t (item.mDataName.Length()) + 1);
    }

    void writeBigEndian (char* destination, uint64_t bits, int numBytes) noexcept
    {
        for (int i = numBytes - 1; i >= 0; --i)
        {
            destination[i] = static_cast<char> (bits & 0xFF);
            bits >>= 8;
        }
    }

    uint64_t readBigEndian (const uint8_t* source, int numBytes) noexcept
    {
        uint64_t bits = 0;

        for (int i = 0; i < numBytes; ++i)
            bits = (bits << 8) | source[i];

        return bits;
    }

    /** The length of a zero-terminated text that must end within the given bytes, or -1. */
    int64_t terminatedLength (const uint8_t* text, int64_t available) noexcept
    {
        if (available <= 0)
            return -1;

        const auto* end = static_cast<const uint8_t*> (std::memchr (text, 0, static_cast<size_t> (available)));
        return end != nullptr ? end - text : -1;
    }
}

AAX_CChunkDataParser::AAX_CChunkDataParser() = default;
AAX_CChunkDataParser::~AAX_CChunkDataParser() = default;

void AAX_CChunkDataParser::Clear()
{
    mLastFoundIndex = -1;
    mChunkVersion = -1;
    mDataValues.clear();
}

void AAX_CChunkDataParser::AddDouble (AAX_CParamID name, double value)
{
    DataValue item;
    item.mDataType = kDataType_Double;
    item.mDataName = AAX_CString (name);
    std::memcpy (&item.mIntValue, &value, sizeof (value));
    mDataValues.push_back (item);
}

void AAX_CChunkDataParser::AddInt32 (AAX_CParamID name, int32_t value)
{
    DataValue item;
    item.mDataType = kDataType_Int32;
    item.mDataName = AAX_CString (name);
    item.mIntValue = static_cast<uint32_t> (value);
    mDataValues.push_back (item);
}

void AAX_CChunkDataParser::AddString (AAX_CParamID name, AAX_CString value)
{
    DataValue item;
    item.mDataType = kDataType_String;
    item.mDataName = AAX_CString (name);
    item.mStringValue = value;
    mDataValues.push_back (item);
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    int64_t size = markerSize;

    for (auto& item : mDataValues)
        if (item.mDataType != kDataType_None)
            size += valueOffsetOf (item) + valueSizeOf (item);

    return size > std::numeric_limits<int32_t>::max() ? -1 : static_cast<int32_t> (size);
}

AAX_Result AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk) const
{
    const int64_t size = GetChunkDataSize();

    if (chunk == nullptr || size < markerSize)
        return AAX_ERROR_CHUNK_DATA_NOT_WRITTEN;

    auto* data = AAX_GetChunkData (chunk);
    std::memset (data, 0, static_cast<size_t> (size));
    std::memcpy (data, chunkMarker, sizeof (chunkMarker));

    int64_t position = markerSize;

    for (auto& item : mDataValues)
    {
        // Items read from an unknown tag have no value and are not written back.
        if (item.mDataType == kDataType_None)
            continue;

        const auto valueStart = position + valueOffsetOf (item);
        const auto valueSize = valueSizeOf (item);

        // Cannot happen while the size is summed from these same items: it stops a change
        // of the layout from writing past the record. The size field stays as it was.
        if (valueStart + valueSize > size)
        {
            AAX_CHostServices::Trace (writeErrorTracePriority, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                                      "aborting: chunk data will overflow buffer");
            return AAX_ERROR_CHUNK_DATA_NOT_WRITTEN;
        }

        data[position] = tagLetterOf (item.mDataType);
        data[position + 1] = '_';
        std::memcpy (data + position + tagSize, item.mDataName.Get(), item.mDataName.Length());

        const auto bits = static_cast<uint64_t> (item.mIntValue);

        switch (item.mDataType)
        {
            case kDataType_Double:  writeBigEndian (data + valueStart, bits, 8); break;
            case kDataType_Short:   writeBigEndian (data + valueStart, bits, 2); break;
            case kDataType_String:  std::memcpy (data + valueStart, item.mStringValue.Get(), item.mStringValue.Length()); break;
            default:                writeBigEndian (data + valueStart, bits, 4); break;
        }

        position = valueStart + valueSize;
    }

    chunk->fSize = static_cast<int32_t> (size);
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk)
{
    Clear();

    if (chunk == nullptr)
        return;

    mChunkVersion = chunk->fVersion;
    const int64_t size = chunk->fSize;

    if (size <= markerSize)
        return;

    const auto* data = reinterpret_cast<const uint8_t*> (AAX_GetChunkData (chunk));

    if (std::memcmp (data, chunkMarker, sizeof (chunkMarker)) != 0)
        return;

    // Entries are read in order and kept; the first one that does not fit inside the
    // record, or whose tag and name do not end within their bytes, ends the read.
    int64_t position = markerSize;

    while (position < size)
    {
        const auto* tag = data + position;
        const auto tagAndNameLength = terminatedLength (tag, std::min<int64_t> (size - position, maxNameLength));

        if (tagAndNameLength < 0)
            return;

        // Padding, and a tag too short to carry a name, read as an item without a value.
        DataValue item;
        const bool hasName = tagAndNameLength >= tagSize;
        const auto letter = hasName ? tag[0] : 0;

        if (hasName)
            item.mDataName = AAX_CString (reinterpret_cast<const char*> (tag + tagSize));

        position = roundUpToFour (position + tagAndNameLength + 1);

        const auto fits = [&] (int64_t numBytes) { return position + numBytes <= size; };

        switch (letter)
        {
            case 'd':
                if (! fits (8))
                    return;

                item.mDataType = kDataType_Double;
                item.mIntValue = static_cast<int64_t> (readBigEndian (data + position, 8));
                position += 8;
                break;

            case 'f':
            case 'l':
                if (! fits (4))
                    return;

                item.mDataType = letter == 'f' ? kDataType_Float : kDataType_Int32;
                item.mIntValue = static_cast<int64_t> (readBigEndian (data + position, 4));
                position += 4;
                break;

            case 's':
                if (! fits (2))
                    return;

                item.mDataType = kDataType_Short;
                item.mIntValue = static_cast<int64_t> (readBigEndian (data + position, 2));
                position += 4;
                break;

            case 'r':
            {
                const auto textLength = terminatedLength (data + position, size - position);

                if (textLength < 0)
                    return;

                item.mDataType = kDataType_String;
                item.mStringValue = AAX_CString (reinterpret_cast<const char*> (data + position));
                position += roundUpToFour (textLength + 1);
                break;
            }

            default:
                break;
        }

        mDataValues.push_back (item);
    }
}

int32_t AAX_CChunkDataParser::FindName (const AAX_CString& name)
{
    const auto count = GetNumberOfItems();

    if (mLastFoundIndex >= count - 1)
        mLastFoundIndex = -1;

    for (auto index = mLastFoundIndex + 1; index < count; ++index)
        if (mDataValues[static_cast<size_t> (index)].mDataName == name)
            return mLastFoundIndex = index;

    if (mLastFoundIndex == -1)
        return -1;

    for (int32_t index = 0; index <= mLastFoundIndex; ++index)
        if (mDataValues[static_cast<size_t> (index)].mDataName == name)
            return mLastFoundIndex = index;

    return -1;
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::findItem (AAX_CParamID name, int32_t type)
{
    const auto index = FindName (AAX_CString (name));

    if (index < 0 || mDataValues[static_cast<size_t> (index)].mDataType != type)
        return nullptr;

    return &mDataValues[static_cast<size_t> (index)];
}

bool AAX_CChunkDataParser::FindDouble (AAX_CParamID name, double* value)
{
    const auto* item = findItem (name, kDataType_Double);

    if (item == nullptr || value == nullptr)
        return false;

    std::memcpy (value, &item->mIntValue, sizeof (*value));
    return true;
}

bool AAX_CChunkDataParser::FindInt32 (AAX_CParamID name, int32_t* value)
{
    const auto* item = findItem (name, kDataType_Int32);

    if (item == nullptr || value == nullptr)
        return false;

    *value = static_cast<int32_t> (static_cast<uint32_t> (item->mIntValue));
    return true;
}

bool AAX_CChunkDataParser::FindString (AAX_CParamID name, AAX_IString* value)
{
    const auto* item = findItem (name, kDataType_String);

    if (item == nullptr || value == nullptr)
        return false;

    value->Set (item->mStringValue.Get());
    return true;
}
