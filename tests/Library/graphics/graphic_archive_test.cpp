#include "Library/files/data_tree_support.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/rect.h"
#include "image_files.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphicArchive, EveryKindLoadsFromTheArchiveOrTheLooseFileByTheFlag) {
    LayoutGuard layout(kPixelFormat565);
    testsupport::ScopedDataRoot root;
    ASSERT_TRUE(Graphic::InitScratch());
    Graphic sprite;
    ASSERT_TRUE(sprite.Create(2, 2));
    sprite.ClearToKey();
    sprite.SetPixel(1, 1, 0x1234);
    ASSERT_TRUE(sprite.Encode());
    MemStream lle(kStreamWriteBinary);
    ASSERT_TRUE(sprite.WriteLle(lle));
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& [relative, bytes] :
         {std::pair{"Art/Graphic/Pic.bmp", MakeBmp(4, 3, 24, {}, 0)},
          {"Art/Graphic/pic.tga", MakeTga(3, 2, 16, {1, 2, 3, 4, 5, 6})},
          {"Art/Graphic/sprite.lle", testsupport::BytesOf(lle)}}) {
        root.WriteFile(relative, bytes);
        entries.emplace_back(root.Path(relative), bytes);
    }
    testsupport::WriteArchive(root.Path("general.rsc"), entries);
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(root.Path("general.rsc").c_str(), ResFileMgr::kRead));
    g_generalRes = &archive;

    const std::pair<const char*, int> images[] = {
        {"art/graphic/PIC.BMP", 4}, {"Art/Graphic/pic.tga", 3}, {"Art/Graphic/sprite.lle", 2}};
    for (const bool fromArchive : {true, false}) {
        root.Paths().SetUseResourceFiles(fromArchive);
        for (const auto& [name, width] : images) {
            Graphic graphic;
            ASSERT_TRUE(graphic.Load(root.Path(name).c_str(), false)) << name;
            EXPECT_EQ(graphic.GetWidth(), width);
            Stringc entryName(name);
            entryName.ToLower();
            EXPECT_STREQ(graphic.GetFullPath().c_str(), entryName.c_str());
        }
    }
    Graphic missing;
    root.Paths().SetUseResourceFiles(true);
    root.WriteFile("Art/Graphic/loose.bmp", MakeBmp(4, 3, 24, {}, 0));
    EXPECT_FALSE(missing.Load(root.Path("art/graphic/loose.bmp").c_str(), false)); // never both
    EXPECT_EQ(missing.GetData(), nullptr);
    Graphic tile;
    ASSERT_TRUE(
        tile.LoadTgaRegionNamed(root.Path("Art/Graphic/pic.tga").c_str(), Rect{1, 0, 3, 2}));
    EXPECT_STREQ(tile.GetFullPath().c_str(), "art/graphic/pic.tga");
    EXPECT_EQ(tile.GetWidth(), 2);
    g_dataPaths = nullptr; // tools without data paths read loose files
    EXPECT_TRUE(missing.Load(root.Path("art/graphic/loose.bmp").c_str(), false));
    Graphic::FreeScratch();
}

} // namespace
