// Stored ".ani" animations, loaded from the animation directory into the pool and shown
// by a player: every sequence and frame built, stepped through both ways, recoloured,
// drawn, outlined and hit-tested.

#include "Library/files/data_paths.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <vector>

namespace {

constexpr long kMaxFramePixels = 1L << 20;
constexpr int kMaxShown = 12; // sequences, and frames of each, a run shows
constexpr int kSide = 32;

void Show(AnimationMgr& player, const Animation& animation) {
    std::vector<uint16_t> pixels(kSide * kSide);
    const PixelSurface outlined{pixels.data(), kSide, kSide, kSide};
    const SurfacePtr target = MakeSurface8(kSide, kSide);
    ColourMod mod;
    mod.SetTint(true, Colour(10, 200, 30));
    for (int sequence = 0; sequence < animation.GetSequenceCount() && sequence < kMaxShown;
         ++sequence) {
        player.SetSequence(sequence);
        for (int frame = 0; frame < animation.GetFrameCount() && frame < kMaxShown; ++frame) {
            player.SetFrame(frame);
            player.Update();
            player.ApplyColourMod(mod);
            player.BuildPaletteLookup();
            player.DrawSurface(target.get(), kSide / 2, -2);
            player.DrawOutline(outlined, 1, kSide - 4);
            player.HitTest(player.GetFrameWidth() / 2, player.GetFrameHeight() / 2);
            player.IsAtTriggerFrameA();
            player.IsAtTriggerFrameB();
            player.Advance(true, player.GetFrameDuration());
            player.AdvanceReverse(false, 1);
        }
    }
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {StoredAnimation(2, 3), StoredAnimation(1, 1), StoredAnimation(4, 2)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UseScratchDataPaths();
    FuzzFile("art/anim/fuzz/walk.ani", data, size);
    UniAnimationMgr pool;
    const Animation* animation =
        pool.GetAnimationFromFile((g_dataPaths->GetAnimDir() + "/fuzz/walk.ani").c_str());
    if (!animation || !FitsPlayer(*animation, kMaxFramePixels))
        return 0;
    AnimationMgr player;
    player.SetAnimationName("fuzz");
    if (player.SetAnimation("walk", pool))
        Show(player, *animation);
    return 0;
}
