#include "Library/taglist.h"

#include "Library/tag_grid.h"
#include "Library/tag_list32.h"
#include "test_stream_support.h"

#include <gtest/gtest.h>

namespace {

// Every prefix of a stored form must fail and leave the target as it was.
template <class List> void ExpectTruncatedFormsFail(const Bytes& stored, List& target) {
    const Bytes before = StoredForm(target);
    for (size_t length = 0; length < stored.size(); ++length) {
        TestStream stream(Bytes(stored.begin(), stored.begin() + length));
        EXPECT_FALSE(target.Read(stream)) << length;
        EXPECT_EQ(StoredForm(target), before) << length;
    }
}

Bytes WithWord(Bytes bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

} // namespace

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
    TestStream stream(stored);
    ASSERT_TRUE(copy.Read(stream));
    EXPECT_EQ(StoredForm(copy), stored);
    EXPECT_TRUE(copy == list);
    ExpectTruncatedFormsFail(stored, copy);
}

TEST(TagList, ForgedHeadersFailWithoutChangingTheList) {
    TagList list(10);
    list.Set(3);
    const Bytes stored = StoredForm(list);
    const Bytes huge = WithWord(stored, 0, 0xFFFFFFF0); // would need half a gigabyte
    const Bytes wrongCount = WithWord(stored, 12, 5);
    Bytes spareBit = stored;
    spareBit[17] |= 0x80; // bit 15 of a 10-bit list
    for (const Bytes& forged : {huge, wrongCount, spareBit}) {
        TagList target(20);
        target.Set(19);
        const Bytes before = StoredForm(target);
        TestStream stream(forged);
        EXPECT_FALSE(target.Read(stream));
        EXPECT_EQ(StoredForm(target), before);
    }
}

TEST(TagList, FreeSlotSearchFindsTheLowestClearBit) {
    TagList list(0);
    EXPECT_EQ(list.GetBitCount(), 64);
    for (int i = 0; i < 64; ++i)
        list.Set(i);
    EXPECT_EQ(list.FindFirstClear(), -1);
    list.Unset(37);
    list.Unset(50);
    EXPECT_EQ(list.FindFirstClear(), 37);

    TagList odd(10);
    for (int i = 0; i < 10; ++i)
        odd.Set(i);
    EXPECT_EQ(odd.FindFirstClear(), -1);
}

TEST(TagList, SetCountStaysExact) {
    TagList list(10);
    list.Set(2);
    list.Set(2);
    list.Set(-1);
    list.Set(10);
    list.Toggle(3);
    list.Toggle(3);
    list.Unset(7);
    EXPECT_EQ(list.GetSetCount(), 1);
    EXPECT_FALSE(list.IsSet(10));

    list.Set(9);
    list <<= 1; // bit 9 falls off the top
    EXPECT_EQ(list.GetSetCount(), 1);
    EXPECT_TRUE(list[3]);
    list >>= 2;
    EXPECT_TRUE(list[1]);
    EXPECT_TRUE((list << -1)[0]);
}

TEST(TagList, BitwiseOperatorsKeepSpareBitsClear) {
    TagList list(10);
    list.Set(1);
    const TagList inverse = ~list;
    EXPECT_EQ(inverse.GetSetCount(), 9);
    TagList full = inverse | list;
    EXPECT_EQ(full.GetSetCount(), 10);
    EXPECT_EQ(full.FindFirstClear(), -1);

    TagList wide(16);
    wide.Set(15);
    wide.Set(1);
    list |= wide; // bit 15 has no place in ten bits
    EXPECT_EQ(list.GetSetCount(), 1);
    list ^= wide;
    EXPECT_EQ(list.GetSetCount(), 0);
    EXPECT_TRUE((list & full) == list);
    EXPECT_FALSE(list == wide);
}

TEST(TagList, WalksSetBitsAndCopiesIntoLargerLists) {
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
    EXPECT_EQ(small.GetBitCount(), 200);
    EXPECT_TRUE(small == list);
    TagList large(300);
    large.Set(250);
    list.CopyTo(large);
    EXPECT_EQ(large.GetSetCount(), 4);
}

TEST(TagList32, StoresLittleEndianWords) {
    TagList32 list(40);
    EXPECT_EQ(TagList32().GetBitCount(), 256);
    for (int i = 0; i < 40; ++i)
        list.Set(i);
    EXPECT_EQ(list.FindFirstClear(), -1);
    list.Unset(33);
    const Bytes stored = StoredForm(list);
    ASSERT_EQ(stored.size(), 16u + 8u);
    EXPECT_EQ(Bytes(stored.begin() + 16, stored.end()),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFD, 0, 0, 0}));
    TagList32 copy;
    TestStream stream(stored);
    ASSERT_TRUE(copy.Read(stream));
    EXPECT_EQ(copy.FindFirstClear(), 33);
    ExpectTruncatedFormsFail(stored, copy);
}

TEST(TagGrid, RowsColumnsAndFreeCells) {
    TagGrid grid(4, 3);
    EXPECT_EQ(grid.GetBitCount(), 12);
    grid.SetRow(0);
    grid.SetColumn(0);
    grid.SetColumn(9);
    EXPECT_EQ(grid.GetSetCount(), 6);
    int x = -1, y = -1;
    ASSERT_TRUE(grid.FindFirstClear(x, y));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    grid.ToggleRow(1);
    EXPECT_EQ(grid.GetSetCount(), 8);
    grid.SetAll();
    EXPECT_EQ(grid.GetSetCount(), 12);
    EXPECT_FALSE(grid.FindFirstClear(x, y));
    grid.ToggleAll();
    EXPECT_EQ(grid.GetSetCount(), 0);
    EXPECT_FALSE(TagGrid(0, 5).FindFirstClear(x, y));
}

TEST(TagGrid, StoredFormCarriesItsSize) {
    TagGrid grid(5, 2);
    grid.SetColumn(4);
    const Bytes stored = StoredForm(grid);
    ASSERT_EQ(stored.size(), 16u + 8u + 2u);
    EXPECT_EQ(Bytes(stored.begin() + 16, stored.end()),
              (Bytes{5, 0, 0, 0, 2, 0, 0, 0, 0x10, 0x02}));
    TagGrid copy(1, 1);
    TestStream stream(stored);
    ASSERT_TRUE(copy.Read(stream));
    EXPECT_EQ(copy.GetWidth(), 5);
    EXPECT_EQ(StoredForm(copy), stored);
    ExpectTruncatedFormsFail(stored, copy);
    TestStream mismatched(WithWord(stored, 16, 4));
    EXPECT_FALSE(copy.Read(mismatched));
}
