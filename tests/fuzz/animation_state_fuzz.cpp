// Saved animation players (set, animation, sequence, frame): each read player is given an
// animation again, as its owner does after loading, and shown.

#include "Library/files/data_paths.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

namespace {

// The one animation players are given: two sequences of three frames.
UniAnimationMgr& Pool() {
    static UniAnimationMgr pool;
    static const bool written = [] {
        UseScratchDataPaths();
        FuzzFile("art/anim/hero/walk.ani", StoredAnimation(2, 3));
        return true;
    }();
    (void)written;
    return pool;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    Pool();
    AnimationMgr player;
    player.SetAnimationName("hero");
    player.SetAnimation("walk", Pool());
    player.SetSequence(1);
    player.SetFrame(2);
    const std::string playing = WrittenBytes([&](Stream& stream) { return player.Write(stream); });
    player.Release();
    return {playing, WrittenBytes([&](Stream& stream) { return player.Write(stream); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UniAnimationMgr& pool = Pool();
    FuzzInput input(data, size);
    AnimationMgr player;
    if (!player.Read(input) || !player.SetAnimation("walk", pool))
        return 0;
    for (int step = 0; step < 4; ++step) {
        player.Update();
        player.HitTest(1, 1);
        player.Advance(true, 1000);
    }
    return 0;
}
