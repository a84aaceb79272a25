#include "Library/graphics/graphic_mgr.h"

#include "Library/files/data_tree_support.h"
#include "Library/graphics/graphic.h"
#include "image_files.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphicMgr, OneGraphicPerNameFailuresCacheNothingAndEachClearIsANewGeneration) {
    LayoutGuard layout(kPixelFormat565);
    testsupport::ScopedDataRoot root;
    ASSERT_TRUE(Graphic::InitScratch());
    root.WriteFile("art/graphic/Hero.tga", MakeTga(3, 2, 24, {}));
    GraphicMgr graphics;
    Graphic* hero = graphics.GetGraphic(root.Path("art/graphic/Hero.tga").c_str());
    ASSERT_NE(hero, nullptr);
    EXPECT_STREQ(hero->GetFullPath().c_str(), "art/graphic/hero.tga");
    EXPECT_EQ(graphics.GetGraphic((root.Root() + "\\ART\\Graphic\\HERO.TGA").c_str()), hero);
    EXPECT_EQ(graphics.GetGraphicFromFile(root.Path("art/graphic/hero.tga").c_str(), true), hero);
    EXPECT_EQ(graphics.Find("Art\\Graphic\\Hero.tga"), hero);
    EXPECT_EQ(graphics.GetGraphic(root.Path("art/graphic/Missing.tga").c_str()), nullptr);
    EXPECT_EQ(graphics.GetGraphic(""), nullptr);
    EXPECT_EQ(graphics.Count(), 1);

    Graphic foreign;
    graphics.Remove(&foreign);
    EXPECT_EQ(graphics.Count(), 1);
    graphics.Release("art/graphic/hero.tga");
    EXPECT_FALSE(graphics.Contains(hero));
    Graphic* again = graphics.GetGraphicFromFile(root.Path("art/graphic/Hero.tga").c_str(), true);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->IsEncoded());
    EXPECT_EQ(again->GetSlot(), 0);

    const uint32_t generation = graphics.GetGeneration();
    graphics.Clear();
    EXPECT_EQ(graphics.Count(), 0);
    EXPECT_NE(graphics.GetGeneration(), generation);
    Graphic::FreeScratch();
}

} // namespace
