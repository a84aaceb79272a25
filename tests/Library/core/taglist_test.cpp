#include "Library/core/taglist.h"

#include "Library/core/tag_grid.h"
#include "Library/core/tag_list32.h"
#include "test_stream_support.h"

#include <gtest/gtest.h>

namespace {

Bytes WithWord(Bytes bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

TEST(TagList, StoredFormOfTenBitsIsSixteenPlusTwoBytes) {
    TagList list(10);
    list.Set(0);
    list.Set(9);
    list.Set(4);
    list.Unset(4); // leaves the search hint at byte 0
    list.FirstSet();
    list.NextSet(); // iteration index 9
    const Bytes stored = StoredForm(list);
    EXPECT_EQ(stored, (Bytes{10, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 2, 0, 0, 0, 0x01, 0x02}));
    TagList copy(3);
    ExpectRoundTripAndTruncationsFail(stored, copy);
    EXPECT_TRUE(copy == list);

    Bytes spareBit = stored;
    spareBit[17] |= 0x80; // bit 15 of a 10-bit list
    for (const Bytes& forged :
         {WithWord(stored, 0, 0xFFFFFFF0), WithWord(stored, 12, 5), spareBit}) {
        EXPECT_FALSE(ReadFrom(copy, forged));
        EXPECT_EQ(StoredForm(copy), stored);
    }
}

TEST(TagList, CountsStayExactThroughEveryOperation) {
    TagList list(10);
    for (int bit : {2, 2, -1, 10, 9})
        list.Set(bit);
    list.Toggle(3);
    list.Toggle(3);
    list.Unset(7);
    EXPECT_EQ(list.GetSetCount(), 2);
    list <<= 1; // bit 9 falls off the top
    EXPECT_EQ(list.GetSetCount(), 1);
    EXPECT_TRUE(list[3]);
    EXPECT_EQ((~list).GetSetCount(), 9); // spare bits stay clear
    EXPECT_EQ((~list | list).FindFirstClear(), -1);
    TagList wide(16);
    wide.Set(15);
    wide.Set(1);
    list |= wide; // bit 15 has no place in ten bits
    EXPECT_EQ(list.GetSetCount(), 2);

    TagList full(0);
    EXPECT_EQ(full.GetBitCount(), 64);
    for (int i = 0; i < 64; ++i)
        full.Set(i);
    EXPECT_EQ(full.FindFirstClear(), -1);
    full.Unset(50);
    full.Unset(37);
    EXPECT_EQ(full.FindFirstClear(), 37);
    EXPECT_EQ(full.FindClearFrom(-5), 37);
    EXPECT_EQ(full.FindClearFrom(38), 50) << "over the full byte between";
    EXPECT_EQ(full.FindClearFrom(51), -1) << "the spare bits are no slots";
    EXPECT_EQ(full.FindClearFrom(1000), -1);
    full.Set(50);
    full.Unset(56);
    EXPECT_EQ(full.FindClearFrom(48), 56) << "the first bit past a full byte";
}

TEST(TagList, WalksSetBitsAndCopiesIntoOtherListsRecounting) {
    TagList list(200);
    for (int i : {3, 64, 199})
        list.Set(i);
    std::vector<int> seen;
    for (int i = list.FirstSet(); i >= 0; i = list.NextSet())
        seen.push_back(i);
    EXPECT_EQ(seen, (std::vector<int>{3, 64, 199}));
    EXPECT_EQ(list.NextSet(), -1);

    TagList small(8);
    list.CopyTo(small);
    EXPECT_TRUE(small == list);
    TagList large(300);
    large.Set(250);
    list.CopyTo(large);
    EXPECT_EQ(large.GetSetCount(), 4);
}

TEST(TagList32, StoresLittleEndianWords) {
    TagList32 list(40);
    for (int i = 0; i < 40; ++i)
        list.Set(i);
    list.Unset(33);
    const Bytes stored = StoredForm(list);
    ASSERT_EQ(stored.size(), 16u + 8u);
    EXPECT_EQ(Bytes(stored.begin() + 16, stored.end()),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFD, 0, 0, 0}));
    TagList32 copy;
    ExpectRoundTripAndTruncationsFail(stored, copy);
    EXPECT_EQ(copy.FindFirstClear(), 33);
}

TEST(TagGrid, RowsColumnsFreeCellsAndTheStoredSize) {
    TagGrid grid(5, 2);
    grid.SetRow(0);
    grid.SetColumn(0);
    grid.SetColumn(9);
    int x = -1, y = -1;
    ASSERT_TRUE(grid.FindFirstClear(x, y));
    EXPECT_EQ(x * 10 + y, 11);
    grid.ToggleAll();
    const Bytes stored = StoredForm(grid);
    ASSERT_EQ(stored.size(), 16u + 8u + 2u);
    EXPECT_EQ(Bytes(stored.begin() + 16, stored.end()),
              (Bytes{5, 0, 0, 0, 2, 0, 0, 0, 0xC0, 0x03}));
    TagGrid copy(1, 1);
    ExpectRoundTripAndTruncationsFail(stored, copy);
    EXPECT_EQ(copy.GetWidth(), 5);
    EXPECT_FALSE(ReadFrom(copy, WithWord(stored, 16, 4)));
    EXPECT_FALSE(TagGrid(0, 5).FindFirstClear(x, y));
}

TEST(TagGrid, SidesPastAnIntAreRefusedEvenOnAnEmptyGrid) {
    const Bytes stored = StoredForm(TagGrid(5, 0)); // 64 bits, as every empty grid
    for (const size_t side : {16u, 20u}) {
        for (const uint32_t forged : {0x80000000u, 0xFFFFFFFFu}) {
            TagGrid copy(1, 1);
            TestStream stream(WithWord(stored, side, forged));
            EXPECT_FALSE(copy.Read(stream)) << side << " " << forged;
            EXPECT_EQ(copy.GetWidth() * 10 + copy.GetHeight(), 11);
        }
    }
}

} // namespace
