#include "Library/graphic_mgr.h"

#include "Library/graphic.h"
#include "data_tree_support.h"
#include "image_files.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class GraphicCache : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Graphic::InitScratch());
        m_root.WriteFile("art/graphic/Hero.tga", MakeTga(3, 2, 24, {}));
    }
    void TearDown() override { Graphic::FreeScratch(); }
    std::string Path(const std::string& relative) const { return m_root.Root() + relative; }

    LayoutGuard m_layout{kPixelFormat565};
    testsupport::ScopedDataRoot m_root;
    GraphicMgr m_graphics;
};

TEST_F(GraphicCache, OneGraphicPerNameWhateverItsCaseOrSlashes) {
    Graphic* hero = m_graphics.GetGraphic(Path("/art/graphic/Hero.tga").c_str());
    ASSERT_NE(hero, nullptr);
    EXPECT_STREQ(hero->GetFullPath().c_str(), "art/graphic/hero.tga");
    EXPECT_EQ(m_graphics.GetGraphic(Path("\\ART\\Graphic\\HERO.TGA").c_str()), hero);
    EXPECT_EQ(m_graphics.GetGraphicFromFile(Path("/art/graphic/hero.tga").c_str(), true), hero);
    EXPECT_EQ(m_graphics.Find("Art\\Graphic\\Hero.tga"), hero);
    EXPECT_TRUE(m_graphics.ContainsName("art/graphic/hero.TGA"));
    EXPECT_EQ(m_graphics.Count(), 1);
    EXPECT_EQ(m_graphics.GetAt(hero->GetSlot()), hero);
}

TEST_F(GraphicCache, FailedLoadsCacheNothing) {
    Graphic* hero = m_graphics.GetGraphic(Path("/art/graphic/Hero.tga").c_str());
    EXPECT_EQ(m_graphics.GetGraphic(Path("/art/graphic/Missing.tga").c_str()), nullptr);
    EXPECT_EQ(m_graphics.GetGraphic(""), nullptr);
    EXPECT_EQ(m_graphics.Count(), 1);

    Graphic foreign;
    m_graphics.Remove(&foreign);
    EXPECT_EQ(m_graphics.Count(), 1);
    m_graphics.Release("art/graphic/hero.tga");
    EXPECT_EQ(m_graphics.Count(), 0);
    EXPECT_FALSE(m_graphics.Contains(hero));
    Graphic* again = m_graphics.GetGraphicFromFile(Path("/art/graphic/Hero.tga").c_str(), true);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->IsEncoded());
    EXPECT_EQ(again->GetSlot(), 0);
}

} // namespace
