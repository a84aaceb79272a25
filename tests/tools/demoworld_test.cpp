// What the demo world holds, read back the way the game reads it.
#include "Library/files/data_paths.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "LibraryScriptCompiler/scripted_machine.h"
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A demo world whose loaders read from one of its archives, the loose files gone.
class DemoWorldTest : public ::testing::Test {
protected:
    ~DemoWorldTest() override {
        g_generalRes = g_animationRes = nullptr;
        g_dataPaths = nullptr;
    }
    void ReadFromArchive(const Stringc& (DataPaths::*archivePath)() const, ResFileMgr*& reader,
                         const char* looseDirectory) {
        ASSERT_TRUE(m_world.Built());
        m_paths.SetUseResourceFiles(true);
        g_dataPaths = &m_paths;
        ASSERT_TRUE(m_archive.Open((m_paths.*archivePath)().c_str(), ResFileMgr::kRead));
        reader = &m_archive;
        std::filesystem::remove_all(m_world.Path(looseDirectory));
    }

    testsupport::DemoWorldDir m_world;
    DataPaths m_paths{m_world.Root().c_str()};
    ResFileMgr m_archive;
};

TEST_F(DemoWorldTest, TheCursorSetLoadsFromTheAnimationArchive) {
    ReadFromArchive(&DataPaths::GetAnimationResPath, g_animationRes, "art");
    const DataPaths& paths = m_paths;

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
}

TEST_F(DemoWorldTest, TheDemoScriptRunsFromTheGeneralArchive) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Script");
    testsupport::ScriptedMachine machine;
    ASSERT_TRUE(machine.LoadScript(m_paths.GetScriptDir() + "/demo.scr", true));
    EXPECT_STREQ(machine.GetName().c_str(), "demo");
    std::set<int> opcodes;
    for (int i = 0; i < machine.GetInstructions().Count(); ++i)
        opcodes.insert(machine.GetInstructions().At(i).opcode);
    EXPECT_EQ(opcodes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 13, 15, 20, 21, 23, 24, 25}));
    std::set<int> types;
    int numbers = 0, texts = 0, references = 0, vectors = 0;
    for (int i = 0; i < machine.GetHeaders().Count(); ++i) {
        const ScriptFuncHeader& header = machine.GetHeaders().At(i);
        types.insert(header.GetType());
        numbers += header.NumberCount();
        texts += header.StringCount();
        references += header.ObjectCount();
        vectors += header.VectorCount();
    }
    EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_GT(numbers * texts * references * vectors, 0);

    // Started, it counts the visit; with every condition true it then greets.
    machine.PostEvent(testsupport::Event(1));
    machine.Update(0);
    EXPECT_EQ(machine.calls.front(), 1);
    EXPECT_EQ(std::count(machine.calls.begin(), machine.calls.end(), 91), 1);
    EXPECT_EQ(std::count(machine.calls.begin(), machine.calls.end(), 103), 2);
    EXPECT_FALSE(machine.IsBusy()); // every action done at once
}

} // namespace
