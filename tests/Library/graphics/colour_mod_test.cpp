#include "Library/graphics/colour_mod.h"

#include "Library/core/test_stream_support.h"
#include "image_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Stored(const ColourMod& mod) {
    MemStream stream(kStreamWriteBinary);
    EXPECT_TRUE(mod.Write(stream));
    return testsupport::BytesOf(stream);
}

TEST(ColourMod, FadesAndLevelsStopAtTheirTargets) {
    ColourMod mod;
    mod.SetFade(true, 0);
    mod.StartFadeIn();
    for (int frame = 0; frame < 60; ++frame)
        mod.Update(33);
    EXPECT_LT(mod.GetFadeAmount(), 255.0f);
    mod.Update(33);
    EXPECT_EQ(mod.GetFadeAmount(), 255.0f);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kFadeStateMask, 1);

    mod.SetTargetLevel(10, 3, 0);
    mod.Update(33); // 4.224 steps: 4 taken
    EXPECT_EQ(mod.GetLevel(0), 4);
    mod.SetTargetLevel(10, 3, 0); // the same target does not restart the glide
    mod.Update(33);
    mod.Update(33);
    EXPECT_EQ(mod.GetLevel(0), 10);
    mod.SetTargetLevel(-2, 0, 0);
    for (int frame = 0; frame < 4; ++frame)
        mod.Update(33);
    EXPECT_EQ(mod.GetLevel(0), -2);
    EXPECT_EQ(mod.GetFlags() & ColourMod::kLevelStateMask, 0);
}

TEST(ColourMod, SlotsRecolourByHueAndIgnoreUnknownSlots) {
    ColourMod mod;
    const std::string cleared = Stored(mod);
    mod.SetSlot(1, 8, Colour(1, 2, 3), 0);
    mod.SetSlot(1, -1, Colour(1, 2, 3), 0);
    EXPECT_EQ(Stored(mod), cleared);

    mod.SetSlot(ColourMod::kSlotColour, 6, Colour(255, 0, 0), 0);
    EXPECT_EQ(mod.Recolour(Colour(100, 100, 100)), Colour(150, 0, 0)); // L = (100 + 50) / 255
    EXPECT_EQ(mod.Recolour(Colour(200, 10, 10)), Colour(200, 10, 10)); // red slot is off
    mod.SetLevel(-20, 30, 0);
    EXPECT_EQ(mod.Recolour(Colour(100, 100, 100)), Colour(130, 30, 0));
    EXPECT_EQ(mod.Recolour(Colour(250, 10, 10)), Colour(230, 40, 10));
    mod.SetTint(true, Colour(0, 0, 255));
    EXPECT_EQ(mod.Recolour(Colour(255, 255, 255)), Colour(0, 30, 255)); // level still added
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
