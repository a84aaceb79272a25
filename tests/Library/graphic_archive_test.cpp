#include "Library/game_mode.h"
#include "Library/graphic.h"
#include "Library/mem_stream.h"
#include "Library/rect.h"
#include "Library/res_file_mgr.h"
#include "image_files.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// A data root with images in the general archive and as loose files.
class GraphicArchive : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/archiveXXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_root = pattern;
        std::filesystem::create_directories(m_root + "/Art/Graphic");
        m_mode.BuildPaths(m_root.c_str());
        g_gameMode = &m_mode;
        ASSERT_TRUE(Graphic::InitScratch());
    }
    void TearDown() override {
        g_generalRes = nullptr;
        g_gameMode = nullptr;
        Graphic::FreeScratch();
        std::filesystem::remove_all(m_root);
    }
    void Add(const std::string& relative, const Bytes& bytes) {
        std::ofstream(m_root + "/" + relative, std::ios::binary) << bytes;
        m_files.push_back({relative, bytes});
    }
    void BuildArchive() {
        ResFileMgr writer;
        ASSERT_TRUE(writer.Open((m_root + "/general.rsc").c_str(), ResFileMgr::kWrite));
        for (const auto& [relative, bytes] : m_files) {
            MemStream entry(kStreamWriteBinary);
            ASSERT_EQ(entry.Write(bytes.data(), static_cast<int>(bytes.size())), kStreamOk);
            ASSERT_EQ(writer.Store((m_root + "/" + relative).c_str(), entry), ResFileMgr::kResOk);
        }
        ASSERT_TRUE(writer.WriteDirectory());
    }

    std::string m_root;
    GameMode m_mode;
    std::vector<std::pair<std::string, Bytes>> m_files;
};

TEST_F(GraphicArchive, EveryKindLoadsFromTheArchiveOrTheLooseFileByTheFlag) {
    LayoutGuard layout(kPixelFormat565);
    Graphic sprite;
    ASSERT_TRUE(sprite.Create(2, 2));
    sprite.ClearToKey();
    sprite.SetPixel(1, 1, 0x1234);
    ASSERT_TRUE(sprite.Encode());
    MemStream lle(kStreamWriteBinary);
    ASSERT_TRUE(sprite.WriteLle(lle));
    Add("Art/Graphic/Pic.bmp", MakeBmp(4, 3, 24, {}, 0));
    Add("Art/Graphic/pic.tga", MakeTga(3, 2, 16, {1, 2, 3, 4, 5, 6}));
    Add("Art/Graphic/sprite.lle",
        Bytes(reinterpret_cast<const char*>(lle.GetBuffer()), static_cast<size_t>(lle.GetSize())));
    BuildArchive();
    ResFileMgr reader;
    ASSERT_TRUE(reader.Open((m_root + "/general.rsc").c_str(), ResFileMgr::kRead));
    g_generalRes = &reader;

    const std::string names[] = {"/art/graphic/PIC.BMP", "/Art/Graphic/pic.tga",
                                 "/Art/Graphic/sprite.lle"};
    const int widths[] = {4, 3, 2};
    for (const bool fromArchive : {true, false}) {
        m_mode.SetUseResourceFiles(fromArchive);
        for (int i = 0; i < 3; ++i) {
            Graphic graphic;
            ASSERT_TRUE(graphic.Load((m_root + names[i]).c_str(), false)) << names[i];
            EXPECT_EQ(graphic.GetWidth(), widths[i]);
            Stringc entryName(names[i].c_str() + 1);
            entryName.ToLower();
            EXPECT_STREQ(graphic.GetFullPath().c_str(), entryName.c_str());
        }
    }
    Graphic missing;
    m_mode.SetUseResourceFiles(true);
    std::filesystem::copy_file(m_root + "/Art/Graphic/Pic.bmp", m_root + "/Art/Graphic/loose.bmp");
    EXPECT_FALSE(missing.Load((m_root + "/art/graphic/loose.bmp").c_str(), false)); // never both
    EXPECT_EQ(missing.GetData(), nullptr);
    Graphic tile;
    ASSERT_TRUE(
        tile.LoadTgaRegionNamed((m_root + "/Art/Graphic/pic.tga").c_str(), Rect{1, 0, 3, 2}));
    EXPECT_STREQ(tile.GetFullPath().c_str(), "art/graphic/pic.tga");
    EXPECT_EQ(tile.GetWidth(), 2);
    g_gameMode = nullptr; // tools without a game mode read loose files
    EXPECT_TRUE(missing.Load((m_root + "/art/graphic/loose.bmp").c_str(), false));
}

} // namespace
