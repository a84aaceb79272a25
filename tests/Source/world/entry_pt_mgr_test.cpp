#include "Source/world/entry_pt_mgr.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

namespace {

// The default at (2.5, 4, 0) facing 3; "gate" at (10, 20, 0) facing 2; "house" at
// (1, 1, 0) with facing 0x104, whose low byte (4) is the direction.
const Bytes kEntryPoints = {
    0x00, 0x00, 0x20, 0x40, 0x00, 0x00, 0x80, 0x40, 0x00, 0x00, 0x00, 0x00, // default
    0x00, 0x00,                                                             // no name
    0x03, 0x00, 0x00, 0x00,                                                 // facing
    0x02, 0x00, 0x00, 0x00,                                                 // count
    0x00, 0x00, 0x20, 0x41, 0x00, 0x00, 0xA0, 0x41, 0x00, 0x00, 0x00, 0x00, //
    0x05, 0x00, 'g',  'a',  't',  'e',  0x00,                               //
    0x02, 0x00, 0x00, 0x00,                                                 //
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, //
    0x06, 0x00, 'h',  'o',  'u',  's',  'e',  0x00,                         //
    0x04, 0x01, 0x00, 0x00,                                                 //
};

TEST(EntryPtMgr, TheBlockIsStoredAsLaidOutAndEveryCutOrForgedCopyChangesNothing) {
    EntryPtMgr entries;
    entries.SetDefault(Vector(2.5f, 4, 0), 3);
    entries.Add(Vector(10, 20, 0)).facing = 2;
    entries.FindByName("")->name = "gate";
    EntryPt& house = entries.Add(Vector(1, 1, 0));
    house.name = "house";
    house.facing = 0x104;
    ASSERT_EQ(SavedForm(entries), kEntryPoints);
    EXPECT_EQ(house.GetDirection(), 4);

    EntryPtMgr read;
    ASSERT_TRUE(LoadFrom(read, kEntryPoints));
    EXPECT_EQ(SavedForm(read), kEntryPoints);
    for (size_t length = 0; length < kEntryPoints.size(); ++length) {
        EntryPtMgr cut;
        EXPECT_FALSE(LoadFrom(cut, Bytes(kEntryPoints.begin(), kEntryPoints.begin() + length)));
        EXPECT_EQ(cut.Count(), 0) << length;
        EXPECT_EQ(cut.GetDefault().facing, 0u) << length;
    }
    Bytes forged = kEntryPoints;
    PutFieldAt<int32_t>(forged.data(), 18, 3); // one more than the records
    EXPECT_FALSE(LoadFrom(read, forged));
    EXPECT_EQ(read.Count(), 2);
}

TEST(EntryPtMgr, OneUnnamedEntryAtATimeAndNamesFindTheLowestSlot) {
    EntryPtMgr entries;
    entries.Add(Vector(1, 1, 0));
    entries.Add(Vector(2, 2, 0));
    ASSERT_EQ(entries.Count(), 1);
    EXPECT_EQ(entries.FindByName("")->position, Vector(2, 2, 0));

    entries.FindByName("")->name = "well";
    entries.Add(Vector(5, 5, 0)).name = "WELL";
    EXPECT_EQ(entries.FindByName("Well")->position, Vector(2, 2, 0));
    EXPECT_EQ(entries.FindAt(Vector(5.5f, 5.5f, 0))->name, "WELL");
    EXPECT_EQ(entries.FindAt(Vector(3.5f, 3.5f, 0)), nullptr);
    entries.Remove(entries.FindByName("well"));
    EXPECT_EQ(entries.FindByName("well")->position, Vector(5, 5, 0));
}

} // namespace
