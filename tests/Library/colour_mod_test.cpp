#include "Library/colour_mod.h"

#include "Library/mem_stream.h"
#include "image_files.h"
#include "stream_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Stored(const ColourMod& mod) {
    MemStream stream(kStreamWriteBinary);
    EXPECT_TRUE(mod.Write(stream));
    return testsupport::BytesOf(stream);
}

TEST(ColourMod, FadeInTakesSixtyOneFramesOf33Ms) {
    ColourMod mod;
    mod.SetFade(true, 0);
    mod.StartFadeIn();
    for (int frame = 0; frame < 60; ++frame)
        mod.Update(33);
    EXPECT_NEAR(mod.GetFadeAmount(), 253.44f, 0.01f);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kFadeStateMask, 3);
    mod.Update(33);
    EXPECT_EQ(mod.GetFadeAmount(), 255.0f);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kFadeStateMask, 1);
    mod.StartFadeOut();
    for (int frame = 0; frame < 61; ++frame)
        mod.Update(33);
    EXPECT_EQ(mod.GetFadeAmount(), 0.0f);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kFadeStateMask, 0);
}

TEST(ColourMod, LevelGlidesToItsTargetWithoutPassingIt) {
    ColourMod mod;
    mod.SetTargetLevel(10, 3, 0);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kLevelStateMask, 3 << 2);
    mod.Update(33); // 4.224 steps: 4 taken
    EXPECT_EQ(mod.GetLevel(0), 4);
    EXPECT_EQ(mod.GetLevel(1), 3);
    mod.SetTargetLevel(10, 3, 0); // the same target does not restart the glide
    mod.Update(33);
    mod.Update(33);
    EXPECT_EQ(mod.GetLevel(0), 10);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kLevelStateMask, 1 << 2);
    mod.SetTargetLevel(-2, 0, 0);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kLevelStateMask, 2 << 2);
    for (int frame = 0; frame < 4; ++frame)
        mod.Update(33);
    EXPECT_EQ(mod.GetLevel(0), -2);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kLevelStateMask, 0);
}

TEST(ColourMod, LockedRecordsKeepTheirLevel) {
    ColourMod mod;
    mod.SetLocked(true, 5, 6, 7);
    mod.SetLevel(1, 1, 1);
    mod.SetTargetLevel(9, 9, 9);
    EXPECT_EQ(mod.GetLevel(2), 7);
    EXPECT_EQ(mod.GetTargetLevel(0), 0);
    mod.SetLocked(false, 2, 2, 2);
    EXPECT_EQ(mod.GetLevel(0), 2);
}

TEST(ColourMod, SlotsRecolourByHueAndIgnoreUnknownSlots) {
    ColourMod mod;
    const std::string cleared = Stored(mod);
    mod.SetSlot(1, 8, Colour(1, 2, 3), 0);
    mod.SetSlot(1, -1, Colour(1, 2, 3), 0);
    EXPECT_EQ(Stored(mod), cleared);

    mod.SetSlot(ColourMod::kSlotColour, 6, Colour(255, 0, 0), 0);
    EXPECT_EQ(mod.GetFlags() & (ColourMod::kSlotModes | ColourMod::kSlotFade),
              ColourMod::kSlotModes);
    EXPECT_EQ(mod.Recolour(Colour(100, 100, 100)), Colour(150, 0, 0)); // L = (100 + 50) / 255
    EXPECT_EQ(mod.Recolour(Colour(200, 10, 10)), Colour(200, 10, 10)); // red slot is off
    mod.SetLevel(-20, 30, 0);
    EXPECT_EQ(mod.Recolour(Colour(100, 100, 100)), Colour(130, 30, 0));
    EXPECT_EQ(mod.Recolour(Colour(250, 10, 10)), Colour(230, 40, 10));
    mod.SetTint(true, Colour(0, 0, 255));
    EXPECT_EQ(mod.Recolour(Colour(255, 255, 255)), Colour(0, 30, 255)); // level still added
}

TEST(ColourMod, SlotFadeDarkensTheWorkingColour) {
    ColourMod mod;
    mod.SetSlot(ColourMod::kSlotFaded, 0, Colour(200, 100, 10), 100);
    EXPECT_TRUE(mod.GetFlags() & ColourMod::kSlotFade);
    for (int frame = 0; frame < 5; ++frame)
        mod.Update(33); // falls to 0 first, then rises 3.3 a frame
    EXPECT_EQ(mod.GetWorkingColour(0), Colour(187, 87, 0));
}

TEST(ColourMod, StoredFormIs324BytesAndRoundTrips) {
    ColourMod mod;
    mod.SetSlot(ColourMod::kSlotFaded, 2, Colour(1, 2, 3), 40);
    mod.SetSlot(ColourMod::kSlotUnlevelled, 7, Colour(4, 5, 6), 0);
    mod.SetKeepColour(true, Colour(7, 8, 9));
    mod.SetTint(true, Colour(10, 11, 12));
    mod.SetFadeTarget(true, 99.5f, 30);
    mod.SetTargetLevel(-3, 4, 500);
    for (int frame = 0; frame < 3; ++frame)
        mod.Update(33);
    const std::string bytes = Stored(mod);
    ASSERT_EQ(bytes.size(), static_cast<size_t>(ColourMod::kStoredSize));

    ColourMod read;
    ASSERT_TRUE(read.Read(*testsupport::ReadableStream(bytes)));
    EXPECT_EQ(Stored(read), bytes);
    ColourMod assigned;
    assigned = read;
    EXPECT_EQ(Stored(assigned), bytes);

    // The mode array is stored before every slot colour; the last copy counts.
    std::string firstCopies = bytes;
    for (int copy = 0; copy < 7; ++copy)
        Put(firstCopies, 14 + 35 * copy + 4 * 5, uint32_t{1});
    ASSERT_TRUE(read.Read(*testsupport::ReadableStream(firstCopies)));
    EXPECT_EQ(Stored(read), bytes);

    ColourMod untouched;
    EXPECT_FALSE(untouched.Read(*testsupport::ReadableStream(bytes.substr(0, 323))));
    EXPECT_EQ(Stored(untouched), Stored(ColourMod()));
}

} // namespace
