#include "Source/world/map_actions.h"

#include "Library/files/data_tree_support.h"
#include "Library/sound/recorded_sound.h"
#include "Source/world/wait_map_behaviour.h"

#include <gtest/gtest.h>

namespace {

// A wait of 2, a sound and the music run in order: the wait is done on the fourth frame after
// it became current (frame 5), the sound and the music each on the frame after theirs.
// Adding while the wait runs starts it over and queues the new one after it.
TEST(MapActions, BehavioursRunInOrderAndAWaitRestartsWhenOneIsAdded) {
    testsupport::ScopedDataRoot data;
    RecordedSound sound;
    MapActions actions(sound.slot);
    const auto frame = [&] {
        const long samples = sound.Count("FSOUND_PlaySoundEx");
        const long streams = sound.Count("FSOUND_Stream_PlayEx");
        actions.Update();
        return std::to_string(actions.Count()) +
               (sound.Count("FSOUND_PlaySoundEx") > samples     ? " sound"
                : sound.Count("FSOUND_Stream_PlayEx") > streams ? " music"
                                                                : "");
    };
    frame();
    EXPECT_EQ(actions.GetState(), MapActions::kIdle);
    ASSERT_TRUE(actions.Add(MapBehaviour::kWait, {2, "", Vector()}));
    ASSERT_TRUE(actions.Add(MapBehaviour::kSound, {0, "door", Vector(3, 4, 0)}));
    ASSERT_TRUE(actions.Add(MapBehaviour::kMusic, {0, "theme", Vector()}));
    EXPECT_FALSE(actions.Add(4, {}));
    std::vector<std::string> frames;
    for (int i = 0; i < 8; ++i)
        frames.push_back(frame());
    EXPECT_EQ(frames,
              (std::vector<std::string>{"3", "3", "3", "3", "2", "1 sound", "0 music", "0"}));
    EXPECT_EQ(actions.GetState(), MapActions::kIdle);

    actions.Add(MapBehaviour::kWait, {1, "", Vector()});
    frame();
    frame();
    actions.Add(MapBehaviour::kMusic, {0, "theme", Vector()});
    const auto* wait = dynamic_cast<const WaitMapBehaviour*>(actions.GetCurrent());
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->GetState(), MapBehaviour::kStart);
    EXPECT_EQ(wait->GetTicks(), WaitMapBehaviour::kResetTicks);
    EXPECT_EQ(actions.Count(), 2);
}

} // namespace
