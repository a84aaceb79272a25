#include "Library/graphics/colour_mod.h"

#include "Library/core/test_stream_support.h"
#include "image_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

std::string Stored(const ColourMod& mod) {
    MemStream stream(kStreamWriteBinary);
    EXPECT_TRUE(mod.Write(stream));
    return testsupport::BytesOf(stream);
}

// Offsets in the stored record.
constexpr size_t kModeCopiesAt = 14; // eight times: 8 x u32 modes, then slot i's colour
constexpr size_t kModeCopySize = 35;
constexpr size_t kFadeAmountAt = 300;
constexpr size_t kSlotFadeSpeedAt = 314;
constexpr size_t kSlotFadeValueAt = 315;
constexpr size_t kSlotFadeRisingAt = 319;

ColourMod ReadRecord(const std::string& bytes) {
    ColourMod mod;
    EXPECT_TRUE(mod.Read(*testsupport::ReadableStream(bytes)));
    return mod;
}

// A damaged save may hold any float: conversions saturate and NaN counts as 0.
TEST(ColourMod, StoredFloatsOutOfRangeSaturateAndNaNCountsAsZero) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float stored;
        int alpha;
    } fades[] = {{nan, 0}, {1e16f, 255}, {-1e16f, 0}, {inf, 255}, {-inf, 0}, {99.9f, 99}};
    for (const auto& c : fades) {
        std::string bytes(ColourMod::kStoredSize, '\0');
        Put(bytes, 0, ColourMod::kAlphaFade);
        Put(bytes, kFadeAmountAt, c.stored);
        ColourMod mod = ReadRecord(bytes);
        EXPECT_EQ(mod.GetAlpha(), c.alpha) << c.stored;
        mod.Update(33);
        EXPECT_EQ(mod.GetAlpha(), c.alpha) << c.stored;
    }

    // Slot 0 in mode 2, coloured (200, 100, 50), its fade wave falling or rising from the
    // stored value.
    const struct {
        float stored;
        uint8_t rising;
        Colour working;
    } slotFades[] = {
        {nan, 0, Colour(200, 100, 50)},     {1e16f, 0, Colour(0, 0, 0)},
        {inf, 0, Colour(0, 0, 0)},          {1e16f, 1, Colour(72, 0, 0)}, // turned at the top
        {-1e16f, 1, Colour(255, 255, 255)},
    };
    for (const auto& c : slotFades) {
        std::string bytes(ColourMod::kStoredSize, '\0');
        Put(bytes, 0, uint16_t{ColourMod::kSlotFade | ColourMod::kSlotModes});
        for (size_t copy = 0; copy < 8; ++copy)
            Put(bytes, kModeCopiesAt + kModeCopySize * copy, uint32_t{ColourMod::kSlotFaded});
        bytes.replace(kModeCopiesAt + 32, 3, "\xC8\x64\x32");
        Put(bytes, kSlotFadeSpeedAt, uint8_t{10});
        Put(bytes, kSlotFadeValueAt, c.stored);
        Put(bytes, kSlotFadeRisingAt, c.rising);
        ColourMod mod = ReadRecord(bytes);
        mod.Update(33);
        EXPECT_EQ(mod.GetWorkingColour(0), c.working) << c.stored << " rising " << int(c.rising);
    }
}

// Typed from the stored layout: flags, level, target level, the mode array before each slot
// colour, keep and tint colours, then the fade amount and the two waves.
TEST(ColourMod, StoredFormFollowsTheRecordLayout) {
    ColourMod mod;
    mod.SetLevel(1, -2, 3);
    mod.SetSlot(ColourMod::kSlotFaded, 4, Colour(10, 20, 30), 7);
    mod.SetKeepColour(true, Colour(40, 50, 60));
    mod.SetTint(true, Colour(70, 80, 90));
    mod.SetFadeTarget(true, 99.5f, 12);

    std::string expected;
    Append(expected, uint16_t{0x0CF0});
    for (int pass = 0; pass < 2; ++pass)
        for (int16_t level : {1, -2, 3})
            Append(expected, level);
    for (int slot = 0; slot < 8; ++slot) {
        for (int mode = 0; mode < 8; ++mode)
            Append(expected, uint32_t{mode == 4 ? 2u : 0u});
        expected += slot == 4 ? std::string("\x0A\x14\x1E") : std::string(3, '\0');
    }
    expected += "\x28\x32\x3C\x46\x50\x5A";
    Append(expected, 99.5f);
    Append(expected, uint8_t{12});
    expected += std::string(9, '\0'); // pulse value, rising, word
    Append(expected, uint8_t{7});
    expected += std::string(9, '\0'); // slot fade value, rising, word
    ASSERT_EQ(expected.size(), static_cast<size_t>(ColourMod::kStoredSize));
    EXPECT_EQ(Stored(mod), expected);
    ColourMod assigned;
    assigned = ReadRecord(expected);
    EXPECT_EQ(Stored(assigned), expected);

    // Of the eight mode arrays the last one read counts.
    std::string firstCopies = expected;
    for (size_t copy = 0; copy < 7; ++copy)
        Put(firstCopies, kModeCopiesAt + kModeCopySize * copy + 4 * 5, uint32_t{1});
    EXPECT_EQ(Stored(ReadRecord(firstCopies)), expected);
    EXPECT_FALSE(assigned.Read(*testsupport::ReadableStream(expected.substr(0, 323))));
    EXPECT_EQ(Stored(assigned), expected); // a failed read changes nothing
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

// A record with nothing under way is passed over by Update; any way a slot comes to follow
// the slot fade (set, read from a record without the fade flag, assigned) ends the rest.
TEST(ColourMod, ARecordAtRestStaysSoUntilASlotFollowsTheFade) {
    ColourMod mod;
    mod.SetSlot(ColourMod::kSlotColour, 2, Colour(9, 9, 9), 0);
    mod.SetLevel(5, 5, 5);
    const std::string before = Stored(mod);
    EXPECT_TRUE(mod.IsAtRest());
    mod.Update(33);
    EXPECT_EQ(Stored(mod), before);

    mod.SetSlot(ColourMod::kSlotFaded, 3, Colour(200, 100, 50), 0);
    EXPECT_FALSE(mod.IsAtRest());
    mod.Update(33);
    EXPECT_EQ(mod.GetWorkingColour(3), Colour(200, 100, 50));
    mod.SetSlot(ColourMod::kSlotOff, 3, Colour(200, 100, 50), 0);
    EXPECT_TRUE(mod.IsAtRest());

    // Modes of mode 2 without the flag: the working colour still follows the stored fade.
    std::string bytes(ColourMod::kStoredSize, '\0');
    Put(bytes, kModeCopiesAt + kModeCopySize * 7, uint32_t{ColourMod::kSlotFaded});
    bytes.replace(kModeCopiesAt + 32, 3, "\xC8\x64\x32");
    Put(bytes, kSlotFadeValueAt, 50.0f);
    ColourMod read = ReadRecord(bytes);
    EXPECT_FALSE(read.IsAtRest());
    read.Update(33);
    EXPECT_EQ(read.GetWorkingColour(0), Colour(150, 50, 0));

    ColourMod assigned;
    assigned = read;
    assigned.Update(33);
    EXPECT_EQ(assigned.GetWorkingColour(0), Colour(150, 50, 0));
    assigned.Clear();
    EXPECT_TRUE(assigned.IsAtRest());

    // Fades, glides and waves under way are not at rest; once ended, they are.
    mod.SetFade(true, 250);
    mod.StartFadeIn();
    EXPECT_FALSE(mod.IsAtRest());
    mod.Update(100);
    EXPECT_TRUE(mod.IsAtRest());
    mod.SetTargetLevel(6, 5, 5);
    EXPECT_FALSE(mod.IsAtRest());
    mod.SetFadeTarget(true, 0, 3);
    mod.Update(1000);
    EXPECT_FALSE(mod.IsAtRest());
}

} // namespace
