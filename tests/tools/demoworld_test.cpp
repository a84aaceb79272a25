// What the demo world holds, read back the way the game reads it.
#include "Library/files/data_paths.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DemoWorld, TheCursorSetLoadsFromTheAnimationArchive) {
    testsupport::DemoWorldDir world;
    ASSERT_TRUE(world.Built());
    DataPaths paths(world.Root().c_str());
    paths.SetUseResourceFiles(true);
    g_dataPaths = &paths;
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(paths.GetAnimationResPath().c_str(), ResFileMgr::kRead));
    g_animationRes = &archive;
    std::filesystem::remove_all(world.Path("art")); // only the archive is left to read

    struct Expected {
        const char* name;
        int sequences;
    };
    UniAnimationMgr pool;
    for (const Expected& expected :
         {Expected{"pointer", 1}, Expected{"attack", 1}, Expected{"use_item", 1},
          Expected{"use_spell", 1}, Expected{"scroll", 8}, Expected{"error", 1}}) {
        SCOPED_TRACE(expected.name);
        const Stringc path = paths.GetAnimDir() + "/Mouse/" + expected.name + ".ani";
        const Animation* animation = pool.GetAnimation(path.c_str());
        ASSERT_NE(animation, nullptr);
        EXPECT_STREQ(animation->GetName().c_str(), expected.name);
        EXPECT_EQ(animation->GetSequenceCount(), expected.sequences);
        EXPECT_GE(animation->GetFrameCount(), expected.sequences == 8 ? 3 : 1); // the ramp
        for (int s = 0; s < animation->GetSequenceCount(); ++s) {
            for (int f = 0; f < animation->GetFrameCount(); ++f) {
                const EncodedFrame* frame = animation->GetFrameImage(s, f);
                ASSERT_NE(frame, nullptr);
                EXPECT_GT(frame->GetWidth(), 0);
                EXPECT_LE(frame->GetOffsetX() + frame->GetWidth(), 16); // the cursor's size
                EXPECT_LE(frame->GetOffsetY() + frame->GetHeight(), 16);
            }
        }
        EXPECT_GT(animation->GetFrameDuration(0), 0u);
    }
    g_animationRes = nullptr;
    g_dataPaths = nullptr;
}

} // namespace
