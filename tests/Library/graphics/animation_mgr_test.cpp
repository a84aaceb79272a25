#include "Library/graphics/animation_mgr.h"

#include "Library/files/mem_stream.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "animation_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr uint32_t kDuration = 100;

class AnimationPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::WriteAni(m_root, "Hero", "walk", 24, 8, kDuration);
        m_player.SetAnimationName("Hero");
        ASSERT_TRUE(m_player.SetAnimation("walk", m_pool));
        m_target.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 16, 0xF800, 0x07E0, 0x001F, 0));
    }
    uint16_t TargetAt(int x, int y) const {
        return static_cast<const uint16_t*>(m_target->pixels)[y * m_target->pitch / 2 + x];
    }
    SDL_Color Shown(int index) {
        return m_player.BuildPaletteLookup()->format->palette->colors[index];
    }

    testsupport::ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
    AnimationMgr m_player;
    SurfacePtr m_target;
};

TEST_F(AnimationPlayer, AdvancesByFrameTime) {
    for (int call = 0; call < 3; ++call)
        EXPECT_TRUE(m_player.Advance(true, 33)); // 99 ms: still frame 0
    EXPECT_EQ(m_player.GetFrame(), 0);
    EXPECT_TRUE(m_player.SetAnimation("walk", m_pool)); // already shown: timer kept
    EXPECT_TRUE(m_player.Advance(true, 1));
    EXPECT_EQ(m_player.GetFrame(), 1);

    m_player.SetFrame(2);
    EXPECT_TRUE(m_player.Advance(false, 60));
    EXPECT_FALSE(m_player.Advance(false, 60)); // past the end without looping
    EXPECT_EQ(m_player.GetFrame(), 2);
    EXPECT_TRUE(m_player.Advance(true, 100));
    EXPECT_EQ(m_player.GetFrame(), 0);
    EXPECT_TRUE(m_player.AdvanceReverse(true, 100));
    EXPECT_EQ(m_player.GetFrame(), 2);

    m_player.SetFrameDuration(0); // every direction shares the frame's timing
    m_player.SetSequence(5);
    EXPECT_TRUE(m_player.AdvanceReverse(false, 0)); // a frame of no duration steps at once
    EXPECT_EQ(m_player.GetFrame(), 1);
}

TEST_F(AnimationPlayer, RebuildsOnlyChangedFramesAndHitTestsThem) {
    EXPECT_TRUE(m_player.Update());
    EXPECT_FALSE(m_player.Update());
    m_player.SetFrame(0);
    m_player.SetSequence(8); // outside the counts
    EXPECT_FALSE(m_player.Update());
    // Sequence 0, frame 0 is bitmap 0: a 6 x 6 block at (0, 0) with a hole at (1, 1).
    EXPECT_EQ(m_player.GetFrameWidth(), 6);
    EXPECT_TRUE(m_player.HitTest(0, 0) && m_player.HitTest(5, 5));
    EXPECT_FALSE(m_player.HitTest(1, 1) || m_player.HitTest(6, 0) || m_player.HitTest(-1, 0));

    // Sequence 1, frame 1 is bitmap 4: its block starts at (4, 4).
    m_player.SetSequence(1);
    m_player.SetFrame(1);
    EXPECT_TRUE(m_player.Update());
    EXPECT_EQ(m_player.GetCropX(), 4);
    SDL_FillRect(m_target.get(), nullptr, 0x1234);
    m_player.DrawSurface(m_target.get(), 10, 20);
    const SDL_Color opaque = Shown(20 + (4 + 4 + 4) % 200);
    EXPECT_EQ(TargetAt(14, 24), PackPixel<kPixelFormat565>(opaque.r, opaque.g, opaque.b));
    EXPECT_EQ(TargetAt(15, 25), 0x1234); // the hole
}

TEST_F(AnimationPlayer, RecoloursItsOwnPaletteCopy) {
    m_player.Update();
    ColourMod brighter;
    brighter.SetLevel(10, 0, -10);
    m_player.ApplyColourMod(brighter);
    m_player.ApplyColourMod(brighter); // no draw between: applied twice
    EXPECT_FALSE(m_player.Update());
    EXPECT_EQ(Shown(20).r, 40);
    EXPECT_EQ(Shown(testsupport::kKeyIndex).g, 0); // the transparent entry stays

    m_player.DrawSurface(m_target.get(), 0, 0);
    brighter.SetKeepColour(true, Colour(21, 234, 147)); // nearest entry 21 is left alone
    m_player.ApplyColourMod(brighter);
    m_player.Update();
    EXPECT_EQ(Shown(20).r, 30);
    EXPECT_EQ(Shown(21).r, 21);
    EXPECT_EQ(m_pool.GetSlot(0)->GetPalette()[20].r, 20); // the shared art is untouched
}

TEST_F(AnimationPlayer, AlphaEndsWithTheFade) {
    ColourMod fading;
    fading.SetFade(true, 100.7f);
    m_player.ApplyColourMod(fading);
    SDL_Surface* frame = m_player.BuildPaletteLookup();
    EXPECT_TRUE(frame->flags & SDL_SRCALPHA);
    EXPECT_EQ(frame->format->alpha, 100);
    fading.SetFade(false, 0);
    m_player.ApplyColourMod(fading);
    EXPECT_FALSE(frame->flags & SDL_SRCALPHA);
}

TEST_F(AnimationPlayer, AClearedPoolCountsAsNoAnimation) {
    m_player.SetSequence(3);
    m_player.Update();
    m_pool.Clear();
    EXPECT_EQ(m_player.GetAnimation(), nullptr);
    EXPECT_FALSE(m_player.Advance(true, 500));
    EXPECT_FALSE(m_player.Update());
    m_player.ApplyColourMod(ColourMod());
    SDL_FillRect(m_target.get(), nullptr, 0);
    m_player.DrawSurface(m_target.get(), 0, 0); // the last frame stays on show
    EXPECT_NE(TargetAt(m_player.GetCropX(), m_player.GetCropY()), 0);

    ASSERT_TRUE(m_player.SetAnimation("walk", m_pool));
    EXPECT_EQ(m_pool.CountUsed(), 1);
    EXPECT_EQ(m_player.GetSequence(), 3);
    EXPECT_TRUE(m_player.Update());
}

// An ability without an animation names none: no path is made of the set's folder alone.
TEST_F(AnimationPlayer, AnEmptyFileNameShowsNothingAndLooksForNoFile) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(m_player.SetAnimation("", m_pool));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(m_player.GetAnimation(), nullptr);
    EXPECT_EQ(m_pool.CountUsed(), 1);
}

TEST_F(AnimationPlayer, ExportsTheFrameCentredOnAPicture) {
    m_player.SetFrame(1); // bitmap 1: a 7 x 7 block at (1, 1), its hole at (2, 2)
    m_player.Update();
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(m_root.Root());
    const bool exported = m_player.ExportFrameBmp(-5, -5, 8, 8); // frame corner at (-1, -1)
    std::filesystem::current_path(saved);
    ASSERT_TRUE(exported);
    const SurfacePtr picture(SDL_LoadBMP(m_root.Path("ararrow_b0000000.bmp").c_str()));
    ASSERT_TRUE(picture);
    const auto at = [&](int x, int y) {
        return static_cast<const uint8_t*>(picture->pixels)[y * picture->pitch + x];
    };
    EXPECT_EQ(at(0, 0), testsupport::kKeyIndex); // the hole
    EXPECT_EQ(at(4, 4), 20 + (6 + 6 + 1) % 200);
    EXPECT_EQ(at(6, 6), testsupport::kKeyIndex); // beyond the frame
}

TEST_F(AnimationPlayer, SavedStateLoadsItsAnimationAgainByName) {
    m_player.SetSequence(6);
    m_player.SetFrame(2);
    MemStream saved(kStreamWriteBinary);
    ASSERT_TRUE(m_player.Write(saved));
    AnimationMgr restored;
    ASSERT_TRUE(restored.Read(*testsupport::ReadableStream(testsupport::BytesOf(saved))));
    EXPECT_STREQ(restored.GetAnimationName().c_str(), "Hero");
    EXPECT_EQ(restored.GetAnimation(), nullptr);
    ASSERT_TRUE(restored.SetAnimation("walk", m_pool));
    EXPECT_EQ(restored.GetSequence(), 6);
    EXPECT_EQ(m_pool.CountUsed(), 1);

    AnimationMgr missing;
    missing.SetAnimationName("Hero");
    EXPECT_FALSE(missing.SetAnimation("run", m_pool));
    EXPECT_EQ(m_pool.CountUsed(), 1);
}

} // namespace
