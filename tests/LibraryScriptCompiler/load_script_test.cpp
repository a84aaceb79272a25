// Scripts found by path, in the general archive or as loose files.
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "scratch_dir.h"
#include "scripted_machine.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ScriptedMachine;

class LoadScriptTest : public ::testing::Test {
protected:
    LoadScriptTest() : m_paths(m_dir.Root().c_str()) { g_dataPaths = &m_paths; }
    ~LoadScriptTest() override {
        g_dataPaths = nullptr;
        g_generalRes = nullptr;
    }

    Stringc ScriptPath(const char* name) const {
        return m_paths.GetScriptDir() + "/" + name + ".scr";
    }
    void WriteDoorScript() {
        ScriptBuilder script("stored name");
        script.Call(kCallQuery, 1);
        ASSERT_TRUE(script.WriteFile(ScriptPath("Door")));
    }

    testsupport::ScratchDir m_dir;
    DataPaths m_paths;
};

TEST_F(LoadScriptTest, ALooseFileLoadsUnderItsFileName) {
    WriteDoorScript();
    ScriptedMachine machine;
    ASSERT_TRUE(machine.LoadScript(ScriptPath("Door"), true));
    EXPECT_STREQ(machine.GetName().c_str(), "Door");
    machine.Execute();
    EXPECT_EQ(machine.calls, (std::vector<int32_t>{1}));

    EXPECT_FALSE(machine.LoadScript(ScriptPath("Missing"), true));
    EXPECT_STREQ(machine.GetName().c_str(), "Door");
    EXPECT_FALSE(machine.HasProgram());
}

TEST_F(LoadScriptTest, TheArchiveStandsInForTheLooseFiles) {
    WriteDoorScript();
    const std::string archivePath = m_paths.GetGeneralResPath().c_str();
    {
        ResFileMgr writer;
        ASSERT_TRUE(writer.Open(archivePath.c_str(), ResFileMgr::kWrite));
        MemStream bytes(kStreamWriteBinary);
        const std::string stored = m_dir.ReadFile("Script/Door.scr");
        bytes.Write(stored.data(), static_cast<int>(stored.size()));
        ASSERT_EQ(writer.Store(ScriptPath("Door").c_str(), bytes), ResFileMgr::kResOk);
        ASSERT_TRUE(writer.WriteDirectory());
    }
    std::filesystem::remove(m_dir.Path("Script/Door.scr"));
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(archivePath.c_str(), ResFileMgr::kRead));
    g_generalRes = &archive;

    ScriptedMachine machine;
    EXPECT_FALSE(machine.LoadScript(ScriptPath("Door"), true)); // loose files: gone
    m_paths.SetUseResourceFiles(true);
    ASSERT_TRUE(machine.LoadScript(ScriptPath("DOOR"), true));
    EXPECT_STREQ(machine.GetName().c_str(), "DOOR");
    EXPECT_TRUE(machine.HasProgram());
}

} // namespace
