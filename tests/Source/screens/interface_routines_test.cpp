#include "Source/screens/interface_routines.h"

#include "Library/files/data_paths.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/surface_ptr.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Splash pictures under a scratch data root, loaded through a cache of the test's own.
class SplashPictures : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Graphic::InitScratch());
        WriteBmp("art/graphic/splash/splash1.bmp");
        WriteBmp("art/graphic/splash/other.bmp");
        g_dataPaths = &m_paths;
    }
    void TearDown() override {
        g_dataPaths = nullptr;
        Graphic::FreeScratch();
    }
    void WriteBmp(const std::string& relative) const {
        std::filesystem::create_directories(
            std::filesystem::path(m_root.Path(relative)).parent_path());
        const SurfacePtr picture(
            SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, 24, 0xFF0000, 0xFF00, 0xFF, 0));
        ASSERT_EQ(SDL_SaveBMP(picture.get(), m_root.Path(relative).c_str()), 0);
    }

    testsupport::ScratchDir m_root;
    DataPaths m_paths{m_root.Root().c_str()};
    GraphicMgr m_cache;
};

TEST_F(SplashPictures, TheEmptyNameIsTheFirstSplashAndAMissingOneIsNone) {
    const CachedGraphic first = LoadSplash(m_cache, "");
    ASSERT_NE(first.Get(), nullptr);
    EXPECT_STREQ(first.Get()->GetFullPath().c_str(), "art/graphic/splash/splash1.bmp");
    EXPECT_EQ(LoadSplash(m_cache, "splash1.bmp").Get(), first.Get());
    EXPECT_EQ(LoadSplash(m_cache, "missing.bmp").Get(), nullptr);
}

TEST_F(SplashPictures, FreeingGivesThePictureBackToTheCache) {
    CachedGraphic held = LoadSplash(m_cache, "other.bmp");
    ASSERT_NE(held.Get(), nullptr);
    FreeGraphic(held);
    EXPECT_EQ(m_cache.Count(), 0);
    EXPECT_EQ(held.Get(), nullptr);
    FreeGraphic(held); // emptied: nothing more happens
    EXPECT_EQ(m_cache.Count(), 0);
}

// A screen may outlive a clear of the cache, and a picture loaded since may sit at the
// freed address: freeing the old pointer must leave that picture alone.
TEST_F(SplashPictures, FreeingAfterTheCacheWasClearedLeavesItsNewPicturesAlone) {
    CachedGraphic held = LoadSplash(m_cache, "");
    ASSERT_NE(held.Get(), nullptr);
    m_cache.Clear();
    EXPECT_EQ(held.Get(), nullptr);
    Graphic* fresh = LoadSplash(m_cache, "other.bmp").Get();
    ASSERT_NE(fresh, nullptr);
    held.graphic = fresh; // the address the allocator handed out again
    FreeGraphic(held);
    EXPECT_TRUE(m_cache.Contains(fresh));
    EXPECT_EQ(m_cache.Count(), 1);
}

} // namespace
