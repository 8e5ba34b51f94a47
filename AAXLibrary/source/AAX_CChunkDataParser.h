#pragma once

#include "AAX.h"
#include "AAX_CString.h"

#include <vector>

/** Builds and parses the data part of the controls chunk: a marker of four 01 bytes, then
    one entry per named value, each 4-byte aligned: a two-byte tag (type letter and '_'),
    the name with its zero byte, padding, and the value in big-endian order.

    | Type | Tag | Value                                   |
    |------|-----|-----------------------------------------|
    | 1    | f_  | 32-bit float bit pattern                |
    | 2    | l_  | int32                                   |
    | 3    | d_  | 64-bit double bit pattern               |
    | 4    | s_  | int16, then two zero bytes              |
    | 5    | r_  | text, zero byte, padding                |

    The writer produces "d_", "l_" and "r_" entries; the reader keeps all five kinds, and
    reads padding and unknown tags as items without a value (type 0). The reader never
    reads outside the record it is given: the first entry that does not fit inside its
    size, or whose tag and name do not end within 255 bytes, ends the read, and every
    entry before it is kept.
*/
class AAX_CChunkDataParser
{
public:
    enum DataType : int32_t
    {
        kDataType_None = 0,
        kDataType_Float = 1,
        kDataType_Int32 = 2,
        kDataType_Double = 3,
        kDataType_Short = 4,
        kDataType_String = 5
    };

    /** One named value; for types 1 to 4 the raw bits, zero-extended. */
    struct DataValue
    {
        int32_t mDataType = kDataType_None;
        AAX_CString mDataName;
        int64_t mIntValue = 0;
        AAX_CString mStringValue;
    };

    AAX_CChunkDataParser();
    virtual ~AAX_CChunkDataParser();

    /** Removes every item; the version becomes -1. */
    void Clear();

    void AddDouble (AAX_CParamID name, double value);
    void AddInt32 (AAX_CParamID name, int32_t value);
    void AddString (AAX_CParamID name, AAX_CString value);

    /** The number of data bytes GetChunkData writes for the current items; -1 for more
        than an int32 can count.
    */
    int32_t GetChunkDataSize() const;

    /** Writes the data part and the size field into a record with room for
        GetChunkDataSize() data bytes: 0, or -333 when it cannot be written.
    */
    AAX_Result GetChunkData (AAX_SPlugInChunk* chunk) const;

    /** Replaces the items by the entries of the record, up to the first malformed one; a
        null record gives none.
    */
    void LoadChunk (const AAX_SPlugInChunk* chunk);

    /** The index of the item of that name, searched from just after the last one found so
        that values read back in writing order are found at the first probe; -1 for none.
    */
    int32_t FindName (const AAX_CString& name);

    /** True and the value when the item of that name has the asked-for type; otherwise
        false and the output untouched.
    */
    bool FindDouble (AAX_CParamID name, double* value);
    bool FindInt32 (AAX_CParamID name, int32_t* value);
    bool FindString (AAX_CParamID name, AAX_IString* value);

    int32_t GetChunkVersion() const noexcept                { return mChunkVersion; }
    int32_t GetNumberOfItems() const noexcept               { return static_cast<int32_t> (mDataValues.size()); }

    /** The item at the index; the caller keeps the index below GetNumberOfItems(). */
    const DataValue& GetItem (int32_t index) const          { return mDataValues[static_cast<size_t> (index)]; }

    /** The longest tag and name the reader takes. */
    static constexpr int32_t maxNameLength = 255;

private:
    const DataValue* findItem (AAX_CParamID name, int32_t type);

    int32_t mLastFoundIndex = -1;
    int32_t mChunkVersion = -1;
    std::vector<DataValue> mDataValues;
};
