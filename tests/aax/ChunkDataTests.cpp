#include <gtest/gtest.h>

#include "AAX_CChunkDataParser.h"
#include "ChunkRecord.h"

#include <string>

namespace
{
    std::vector<char> bytes (std::initializer_list<int> values)   { return std::vector<char> (values.begin(), values.end()); }

    /** Writes the parser's items into a record of exactly the size it reports. */
    ChunkRecord write (const AAX_CChunkDataParser& parser)
    {
        ChunkRecord record (static_cast<size_t> (parser.GetChunkDataSize()));
        record->fSize = 0;
        EXPECT_EQ (parser.GetChunkData (record.get()), AAX_SUCCESS);
        return record;
    }
}

TEST (ChunkData, WritesTaggedBigEndianEntries)
{
    AAX_CChunkDataParser parser;
    EXPECT_EQ (write (parser).dataBytes(), bytes ({ 1, 1, 1, 1 }));

    parser.AddDouble ("0", 0.5);
    parser.AddInt32 ("7", 1);
    EXPECT_EQ (write (parser).dataBytes(), bytes ({ 1, 1, 1, 1, 0x64, 0x5F, 0x30, 0, 0x3F, 0xE0, 0, 0, 0, 0, 0, 0,
                                                    0x6C, 0x5F, 0x37, 0, 0, 0, 0, 1 }));

    // A 2-character name takes 8 bytes with its tag; a text of 3 characters 4, of 4 characters 8.
    parser.AddString ("ab", AAX_CString ("abc"));
    parser.AddString ("c", AAX_CString ("abcd"));
    EXPECT_EQ (parser.GetChunkDataSize(), 24 + 8 + 4 + 4 + 8);
}

TEST (ChunkData, EveryLayoutFitsExactlyAndReadsBack)
{
    // Names and texts of every length up to 9 put the padding in every place; a write past
    // the reported size shows under AddressSanitizer.
    for (size_t nameLength = 0; nameLength < 10; ++nameLength)
    {
        AAX_CChunkDataParser parser;
        const std::string name (nameLength, 'n');

        for (size_t textLength = 0; textLength < 10; ++textLength)
        {
            parser.AddString ((name + std::to_string (textLength)).c_str(), AAX_CString (std::string (textLength, 't').c_str()));
            parser.AddInt32 ((name + "i" + std::to_string (textLength)).c_str(), -(int32_t) textLength);
        }

        parser.AddDouble (name.c_str(), -2.25);
        auto record = write (parser);
        ASSERT_EQ (record->fSize, parser.GetChunkDataSize());

        AAX_CChunkDataParser reader;
        reader.LoadChunk (record.get());
        ASSERT_EQ (reader.GetNumberOfItems(), parser.GetNumberOfItems());

        for (int32_t i = 0; i < parser.GetNumberOfItems(); ++i)
        {
            const auto &written = parser.GetItem (i), &read = reader.GetItem (i);
            EXPECT_TRUE (read.mDataType == written.mDataType && read.mDataName == written.mDataName
                          && read.mIntValue == written.mIntValue && read.mStringValue == written.mStringValue) << i;
        }
    }
}

TEST (ChunkData, ReadsEveryTagAndFindsNamesByKind)
{
    auto record = ChunkRecord::withData (bytes ({ 1, 1, 1, 1,
                                                  'f', '_', 'a', 0, 0x3F, 0x80, 0, 0,
                                                  's', '_', 'b', 0, 0x12, 0x34, 0, 0,
                                                  'x', '_', 'c', 0, 0, 0, 0, 5,
                                                  'r', '_', 'd', 0, 'h', 'i', 0, 0,
                                                  'l', '_', 'e', 0, 0xFF, 0xFF, 0xFF, 0xFE,
                                                  'd', '_', 'g', 0, 0x3F, 0xD0, 0, 0, 0, 0, 0, 0,
                                                  0, 0, 0, 0 }));
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (parser.GetNumberOfItems(), 8);

    // An unknown tag, a word of its value that starts with a zero, and padding are kept
    // without a value, and reading goes on after them.
    const std::pair<int32_t, int64_t> items[] = { { 1, 0x3F800000 }, { 4, 0x1234 }, { 0, 0 }, { 0, 0 }, { 5, 0 }, { 2, 0xFFFFFFFE }, { 3, 0x3FD0000000000000 }, { 0, 0 } };

    for (int32_t k = 0; k < 8; ++k)
        EXPECT_EQ (std::pair (parser.GetItem (k).mDataType, parser.GetItem (k).mIntValue), items[k]) << k;

    // A search starts after the name found last and wraps around.
    for (auto [name, index] : { std::pair { "e", 5 }, { "b", 1 }, { "g", 6 }, { "a", 0 }, { "z", -1 } })
        EXPECT_EQ (parser.FindName (AAX_CString (name)), index) << name;

    // Only the kind written is found; a miss leaves the value as it was.
    double d = 7.0;
    int32_t i = 7;
    AAX_CString text ("kept");
    EXPECT_FALSE (parser.FindDouble ("a", &d) || parser.FindInt32 ("b", &i) || parser.FindString ("g", &text));
    EXPECT_TRUE (d == 7.0 && i == 7 && std::string (text.Get()) == "kept");
    EXPECT_TRUE (parser.FindDouble ("g", &d) && parser.FindString ("d", &text) && parser.FindInt32 ("e", &i));
    EXPECT_TRUE (d == 0.25 && i == -2 && std::string (text.Get()) == "hi");
}

TEST (ChunkData, ReadingEndsAtTheFirstEntryThatDoesNotHoldTogetherKeepingThoseBefore)
{
    auto longName = bytes ({ 1, 1, 1, 1, 'l', '_' });   // a name whose zero lies beyond the 255 bytes read
    longName.insert (longName.end(), 300, 'n');
    longName.insert (longName.end(), 6, 0);                // its zero, padding and an int32

    const std::vector<std::vector<char>> refused = {
        bytes ({ 1, 1, 1, 1 }),                                          // the marker alone
        bytes ({ 1, 1, 1, 2, 'l', '_', 'a', 0, 0, 0, 0, 1 }),            // another marker
        bytes ({ 1, 1, 1, 1, 'd', '_', 'a', 0, 0x3F, 0xE0, 0, 0 }),      // a double cut short
        bytes ({ 1, 1, 1, 1, 'l', '_', 'a', 0, 0, 0 }),                  // an int32 cut short
        bytes ({ 1, 1, 1, 1, 'l', '_', 'a', 'b' }),                      // a name without its zero
        bytes ({ 1, 1, 1, 1, 'r', '_', 'a', 0, 'h', 'i', 'h', 'i' }),    // a text without its zero
        bytes ({ 1, 1, 1, 1, 'r', '_', 'a', 0 }),                        // a text missing altogether
        longName,
    };

    // Each record alone yields no items; after a well-formed entry, that entry is kept (but
    // behind another marker).
    const auto entryBefore = bytes ({ 'l', '_', 'z', 0, 0, 0, 0, 1 });

    for (size_t k = 0; k < refused.size(); ++k)
    {
        auto withEntryBefore = refused[k];
        withEntryBefore.insert (withEntryBefore.begin() + 4, entryBefore.begin(), entryBefore.end());

        for (auto [data, numKept] : { std::pair { refused[k], 0 }, { withEntryBefore, k == 1 ? 0 : 1 } })
        {
            auto record = ChunkRecord::withData (data);
            record->fVersion = 3;
            AAX_CChunkDataParser parser;
            parser.AddInt32 ("old", 1);
            parser.LoadChunk (record.get());
            EXPECT_EQ (parser.GetNumberOfItems(), numKept) << "record " << k;
            EXPECT_EQ (parser.GetChunkVersion(), 3);
        }
    }

    AAX_CChunkDataParser parser;
    parser.LoadChunk (nullptr);
    EXPECT_EQ (parser.GetNumberOfItems(), 0);
    EXPECT_EQ (parser.GetChunkData (nullptr), AAX_ERROR_CHUNK_DATA_NOT_WRITTEN);
}
