#include "Source/world/map_actions.h"

#include "Library/core/struct.h"
#include "Library/core/tracked_new.h"
#include "Library/files/data_tree_support.h"
#include "Library/sound/recording_sound_layer.h"
#include "Library/sound/sound_mgr.h"
#include "Source/world/wait_map_behaviour.h"

#include <gtest/gtest.h>

namespace {

class MapActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::testing::internal::CaptureStdout(); // the manager's settings
        m_sound = NEW SoundMgr(32, std::make_unique<RecordingSoundLayer>(m_log));
        ::testing::internal::GetCapturedStdout();
    }
    void TearDown() override { ReleaseObject(m_sound); }

    // What each frame did: "sound", "music", or "" for neither.
    std::string Frame() {
        const long samples = CountCalls(m_log, "FSOUND_PlaySoundEx");
        const long streams = CountCalls(m_log, "FSOUND_Stream_PlayEx");
        m_actions.Update();
        if (CountCalls(m_log, "FSOUND_PlaySoundEx") > samples)
            return "sound";
        return CountCalls(m_log, "FSOUND_Stream_PlayEx") > streams ? "music" : "";
    }

    testsupport::ScopedDataRoot m_data;
    std::vector<std::string> m_log;
    SoundMgr* m_sound = nullptr;
    MapActions m_actions{m_sound};
};

TEST_F(MapActionsTest, AWaitOfTwoEndsOnItsFourthFrameAndTheSoundAndMusicFollowInOrder) {
    m_actions.Update();
    EXPECT_EQ(m_actions.GetState(), MapActions::kIdle);
    ASSERT_TRUE(m_actions.Add(MapBehaviour::kWait, {2, "", Vector()}));
    ASSERT_TRUE(m_actions.Add(MapBehaviour::kSound, {0, "door", Vector(3, 4, 0)}));
    ASSERT_TRUE(m_actions.Add(MapBehaviour::kMusic, {0, "theme", Vector()}));
    EXPECT_FALSE(m_actions.Add(4, {}));

    const std::vector<std::string> expected = {"", "", "", "", "", "sound", "music", ""};
    std::vector<std::string> frames;
    std::vector<int> counts;
    for (size_t frame = 0; frame < expected.size(); ++frame) {
        frames.push_back(Frame());
        counts.push_back(m_actions.Count());
    }
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(counts, (std::vector<int>{3, 3, 3, 3, 2, 1, 0, 0})); // the wait done on frame 5
    EXPECT_EQ(m_actions.GetState(), MapActions::kIdle);
}

TEST_F(MapActionsTest, AddingWhileAWaitRunsStartsItOverAndQueuesTheNewOneAfterIt) {
    m_actions.Add(MapBehaviour::kWait, {1, "", Vector()});
    for (int frame = 0; frame < 3; ++frame)
        m_actions.Update();
    ASSERT_EQ(m_actions.GetCurrent()->GetState(), MapBehaviour::kWaiting);
    m_actions.Add(MapBehaviour::kMusic, {0, "theme", Vector()});
    const auto* wait = dynamic_cast<const WaitMapBehaviour*>(m_actions.GetCurrent());
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->GetState(), MapBehaviour::kStart);
    EXPECT_EQ(wait->GetTicks(), WaitMapBehaviour::kResetTicks);
    m_actions.Clear();
    EXPECT_EQ(m_actions.Count(), 0);
    EXPECT_EQ(m_actions.GetCurrent(), nullptr);
}

} // namespace
