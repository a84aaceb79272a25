#include "Library/files/res_file_builder.h"

#include "Library/files/data_file.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "data_tree_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// A mixed-case data tree as authored on a case-insensitive disk: the builder asks for
// "/Art/Graphic" and "/Sound/Sfx", the data paths for "/art/anim" and "/art/graphic".
const std::vector<std::pair<std::string, std::string>> kPacked = {
    {"Art/Graphic/Hero.TGA", "hero picture"},
    {"Art/Graphic/interface/Button.bmp", std::string(5000, 'b')},
    {"Art/Graphic/interface/Deep/Knob.tga", "knob"},
    {"Data/2DArray/Rules.dat", "rules"},
    {"Data/Entity/Item/Sword.dat", "sword"},
    {"Data/Entity/Base.dat", "base"},
    {"Data/Region/Town.reg", "region"},
    {"Data/TileMap/Town.map", "map"},
    {"Script/Start.scr", "script"},
    {"sound/sfx/Hit.ogg", "hit"},
    {"sound/Music/Theme.ogg", "theme"},
};
const std::vector<std::pair<std::string, std::string>> kAnimations = {
    {"Art/anim/Mouse/Pointer.ani", "pointer"},
    {"Art/anim/Hero.ANI", "hero walk"},
};
const Names kNotPacked = {"Art/Graphic/readme.txt", "Data/Spell/notes.txt", "Effect/x.dat"};

class ResFileBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& files : {kPacked, kAnimations})
            for (const auto& [path, bytes] : files)
                m_root.WriteFile(path, bytes);
        for (const std::string& path : kNotPacked)
            m_root.WriteFile(path, "not packed");
    }
    // Runs the built tool on the data root with the scratch directory as working directory.
    int RunTool(const std::string& arguments) {
        const std::string command = "cd '" + m_root.Root() + "' && '" TEST_BIN_DIR "/rscbuild' " +
                                    arguments + " 2> '" + m_root.Path("stderr.txt") + "'";
        return std::system(command.c_str());
    }
    std::string Load(const std::string& relative) {
        MemStream data(kStreamReadBinary);
        const std::string path = m_root.Root() + "/" + relative;
        return LoadDataFile(path.c_str(), g_generalRes, data) ? testsupport::BytesOf(data)
                                                              : "<missing>";
    }

    testsupport::ScopedDataRoot m_root;
};

TEST_F(ResFileBuilderTest, ToolPacksEveryFileThatLoadsSameFromArchiveAndLooseFile) {
    ASSERT_EQ(RunTool("."), 0) << m_root.ReadFile("stderr.txt");
    EXPECT_EQ(m_root.ReadFile("stderr.txt"), "");
    // Sub-directories first, in name order, and the pairs in their fixed order.
    EXPECT_EQ(testsupport::ArchiveEntryNames(m_root.ReadFile("general.rsc")),
              (Names{"art/graphic/interface/deep/knob.tga", "art/graphic/hero.tga",
                     "art/graphic/interface/button.bmp", "data/2darray/rules.dat",
                     "data/entity/item/sword.dat", "data/entity/base.dat", "data/region/town.reg",
                     "data/tilemap/town.map", "script/start.scr", "sound/sfx/hit.ogg",
                     "sound/music/theme.ogg"}));
    EXPECT_EQ(testsupport::ArchiveEntryNames(m_root.ReadFile("animation.rsc")),
              (Names{"art/anim/mouse/pointer.ani", "art/anim/hero.ani"}));

    ResFileMgr general;
    ASSERT_TRUE(general.Open(m_root.Paths().GetGeneralResPath().c_str(), ResFileMgr::kRead));
    for (const auto& [path, bytes] : kPacked) {
        g_generalRes = nullptr;
        m_root.Paths().SetUseResourceFiles(false);
        EXPECT_EQ(Load(path), bytes) << path;
        g_generalRes = &general;
        m_root.Paths().SetUseResourceFiles(true);
        EXPECT_EQ(Load(path), bytes) << path;
    }
    for (const std::string& path : kNotPacked)
        EXPECT_EQ(Load(path), "<missing>") << path;

    ResFileMgr animations;
    ASSERT_TRUE(animations.Open(m_root.Paths().GetAnimationResPath().c_str(), ResFileMgr::kRead));
    MemStream data(kStreamReadBinary);
    // The loaders' form: the animation directory as the data paths spell it.
    ASSERT_EQ(animations.Load((m_root.Paths().GetAnimDir() + "/MOUSE/pointer.ani").c_str(), data),
              0);
    EXPECT_EQ(testsupport::BytesOf(data), "pointer");
}

TEST_F(ResFileBuilderTest, AnExistingArchiveIsKeptAsItIs) {
    m_root.WriteFile("general.rsc", "an older archive");
    ASSERT_EQ(RunTool(m_root.Root()), 0);
    EXPECT_EQ(m_root.ReadFile("general.rsc"), "an older archive");
    EXPECT_EQ(testsupport::ArchiveEntryNames(m_root.ReadFile("animation.rsc")).size(), 2u);
}

TEST_F(ResFileBuilderTest, AFailedBuildLeavesNoArchive) {
    // Two files whose names differ only in case map to one entry.
    m_root.WriteFile("Script/START.scr", "again");
    for (int run = 0; run < 2; ++run) {
        EXPECT_NE(RunTool("."), 0);
        const std::string message = m_root.ReadFile("stderr.txt");
        EXPECT_NE(message.find("Script/START.scr"), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        for (const auto& file : std::filesystem::directory_iterator(m_root.Root()))
            EXPECT_EQ(file.path().filename().string().find("general.rsc"), std::string::npos);
    }
    EXPECT_NE(RunTool(""), 0);
    EXPECT_NE(RunTool("missing"), 0);
    EXPECT_NE(m_root.ReadFile("stderr.txt").find("missing"), std::string::npos);
}

} // namespace
