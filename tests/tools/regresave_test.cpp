// The region re-save program over a demo world's region tree, run as the author runs it.
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

using testsupport::DemoWorldDir;

class RegionResaving : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_world.Built());
        m_demo = m_world.ReadFile(kDemo);
        m_glade = m_world.ReadFile(kGlade);
        ASSERT_GT(m_demo.size(), 100u);
        // Nested a level and two deep: each level's pass must leave its parent's whole.
        m_world.WriteFile("Data/Region/east/demo.reg", m_demo);
        m_world.WriteFile("Data/Region/east/inner/demo2.reg", m_glade);
        m_world.WriteFile("Data/Region/west/demo2.reg", m_glade);
    }

    int Run() const {
        const std::string command =
            std::string(TEST_BIN_DIR) + "/regresave " + m_world.Root() + " 2>" + m_world.Path("said");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Said() const { return m_world.ReadFile("said"); }

    static constexpr const char* kDemo = "Data/Region/demo.reg";
    static constexpr const char* kGlade = "Data/Region/demo2.reg";
    DemoWorldDir m_world;
    std::string m_demo;
    std::string m_glade;
};

TEST_F(RegionResaving, ANestedTreeIsRewrittenByteForByteAndJunkAfterARegionGoes) {
    m_world.WriteFile("Data/Region/west/demo2.reg", m_glade + "junk after the region");
    // A script that no longer exists keeps its name in the region.
    std::filesystem::remove(m_world.Path("Data/Script/demo_map.scr"));
    ASSERT_EQ(Run(), 0) << Said();
    for (const char* path : {kDemo, "Data/Region/east/demo.reg"})
        EXPECT_EQ(m_world.ReadFile(path), m_demo) << path;
    for (const char* path : {kGlade, "Data/Region/east/inner/demo2.reg", "Data/Region/west/demo2.reg"})
        EXPECT_EQ(m_world.ReadFile(path), m_glade) << path;
    EXPECT_FALSE(std::filesystem::exists(m_world.Path("Data/Region/demo.reg.new")));
}

// Sub-directories go first, in name order: east is re-saved, then the cut file stops the
// pass before the top level's files.
TEST_F(RegionResaving, AFileCutShortStopsThePassNamingItAndLeavesTheRestAsTheyWere) {
    const std::string cut = m_demo.substr(0, m_demo.size() / 2);
    m_world.WriteFile("Data/Region/west/demo2.reg", cut);
    m_world.WriteFile("Data/Region/east/demo.reg", m_demo + "junk");
    m_world.WriteFile(kGlade, m_glade + "junk");
    EXPECT_EQ(Run(), 1);
    EXPECT_NE(Said().find("Data/Region/west/demo2.reg"), std::string::npos) << Said();
    EXPECT_EQ(m_world.ReadFile("Data/Region/east/demo.reg"), m_demo);
    EXPECT_EQ(m_world.ReadFile("Data/Region/west/demo2.reg"), cut);
    EXPECT_EQ(m_world.ReadFile(kGlade), m_glade + "junk");
}

TEST_F(RegionResaving, ARegionDirectoryWithoutRegionsSucceedsAndAMissingRootFails) {
    std::filesystem::remove_all(m_world.Path("Data/Region"));
    std::filesystem::create_directories(m_world.Path("Data/Region/empty"));
    EXPECT_EQ(Run(), 0) << Said();
    const std::string command = std::string(TEST_BIN_DIR) + "/regresave " +
                                m_world.Path("nowhere") + " 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

} // namespace
