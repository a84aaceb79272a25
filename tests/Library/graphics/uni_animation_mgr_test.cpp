#include "Library/graphics/uni_animation_mgr.h"

#include "Library/graphics/animation.h"
#include "animation_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

class AnimationPool : public ::testing::Test {
protected:
    testsupport::ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
};

TEST_F(AnimationPool, OneAnimationPerPathWhateverItsCaseOrSlashes) {
    testsupport::WriteAni(m_root, "Hero", "walk", 6, 2, 50);
    Animation* walk = m_pool.GetAnimation((m_root.Root() + "/art/anim/Hero/walk.ani").c_str());
    ASSERT_NE(walk, nullptr);
    EXPECT_STREQ(walk->GetFullPath().c_str(), "art/anim/hero/walk.ani");
    EXPECT_EQ(m_pool.GetAnimation((m_root.Root() + "\\ART\\anim\\hero\\WALK.ani").c_str()), walk);
    EXPECT_EQ(m_pool.FindAnimation("Art/Anim/Hero/Walk.ani"), walk);
    EXPECT_EQ(m_pool.GetAnimation((m_root.Root() + "/art/anim/Hero/run.ani").c_str()), nullptr);
    EXPECT_EQ(m_pool.GetAnimationFromFile(m_root.Path("art/anim/Hero/run.ani").c_str()), nullptr);
    EXPECT_EQ(m_pool.CountUsed(), 1);
}

TEST_F(AnimationPool, BuildsSavesAndLoadsWholeDirectories) {
    testsupport::WriteBitmapFolder(m_root, "bitmaps/Hero/walk", 8);
    testsupport::WriteBitmapFolder(m_root, "bitmaps/Hero/idle", 4);
    ASSERT_TRUE(m_pool.BuildFromDirectories(m_root.Path("bitmaps/Hero").c_str(), 4,
                                            testsupport::kMagentaKey));
    EXPECT_EQ(m_pool.CountUsed(), 2);
    ASSERT_TRUE(m_pool.SaveAll());

    UniAnimationMgr editor;
    int sequences = 0;
    ASSERT_TRUE(editor.LoadAll(m_root.Path("bitmaps/Hero").c_str(), sequences));
    EXPECT_EQ(sequences, 4);
    EXPECT_EQ(editor.CountUsed(), 2);
    EXPECT_EQ(editor.FindAnimation("bitmaps/hero/walk.ani")->GetFrameCount(), 2);

    testsupport::WriteBitmapFolder(m_root, "bitmaps/Hero/run", 5);
    EXPECT_FALSE(m_pool.BuildFromDirectories(m_root.Path("bitmaps/Hero").c_str(), 4,
                                             testsupport::kMagentaKey));
    EXPECT_EQ(m_pool.CountUsed(), 2);
}

// A player asks every frame for what it shows: a missing file is looked for and reported
// once, under any spelling of its path (case, slashes either way), until the pool is emptied.
TEST_F(AnimationPool, AMissingFileIsReportedOnceUntilThePoolIsCleared) {
    const std::string run = m_root.Root() + "/art/anim/Hero/run.ani";
    testing::internal::CaptureStderr();
    for (const std::string& path : {run, m_root.Root() + "/ART/anim/hero/RUN.ani",
                                    m_root.Root() + "\\ART\\anim\\HERO\\Run.ani", run})
        EXPECT_EQ(m_pool.GetAnimation(path.c_str()), nullptr) << path;
    std::string said = testing::internal::GetCapturedStderr();
    std::transform(said.begin(), said.end(), said.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(said.find("run.ani"), said.rfind("run.ani")) << said;
    EXPECT_NE(said.find("run.ani"), std::string::npos) << said;

    testsupport::WriteAni(m_root, "Hero", "run", 6, 2, 50);
    const std::string mixed = m_root.Root() + "/art\\Anim/hero\\RUN.ANI"; // not asked before
    EXPECT_EQ(m_pool.GetAnimation(run.c_str()), nullptr);
    EXPECT_EQ(m_pool.GetAnimationFromFile(mixed.c_str()), nullptr);
    m_pool.Clear();
    const Animation* const loaded = m_pool.GetAnimation(mixed.c_str());
    EXPECT_NE(loaded, nullptr);
    EXPECT_EQ(m_pool.GetAnimation(run.c_str()), loaded);
}

// One file that cannot be written leaves the others saved.
TEST_F(AnimationPool, SavingGoesOnPastAFileThatCannotBeWritten) {
    testsupport::WriteBitmapFolder(m_root, "bitmaps/Hero/idle", 4);
    testsupport::WriteBitmapFolder(m_root, "bitmaps/Hero/walk", 4);
    ASSERT_TRUE(m_pool.BuildFromDirectories(m_root.Path("bitmaps/Hero").c_str(), 2,
                                            testsupport::kMagentaKey));
    std::filesystem::create_directories(m_root.Path("bitmaps/Hero/idle.ani")); // in the way
    testing::internal::CaptureStderr();
    EXPECT_FALSE(m_pool.SaveAll());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("idle.ani"), std::string::npos) << said;
    EXPECT_TRUE(std::filesystem::is_regular_file(m_root.Path("bitmaps/Hero/walk.ani")));
}

} // namespace
