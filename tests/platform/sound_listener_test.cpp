#include "platform/sound_listener.h"

#include <gtest/gtest.h>

namespace {

const FSoundVector kForward{0.0f, 0.0f, 1.0f};
const FSoundVector kUp{0.0f, 1.0f, 0.0f};

TEST(SoundListener, GainIsFullInsideMinimumThenFallsUntilMaximum) {
    SoundListener listener;
    EXPECT_FLOAT_EQ(listener.Attenuation(3.0f, 4.0f, 1000.0f), 1.0f);
    EXPECT_FLOAT_EQ(listener.Attenuation(8.0f, 4.0f, 1000.0f), 0.5f);
    EXPECT_FLOAT_EQ(listener.Attenuation(5000.0f, 4.0f, 1000.0f), 4.0f / 1000.0f);
    listener.SetRolloff(2.0f);
    EXPECT_FLOAT_EQ(listener.Attenuation(8.0f, 4.0f, 1000.0f), 4.0f / 12.0f);
    listener.SetRolloff(0.0f);
    EXPECT_FLOAT_EQ(listener.Attenuation(0.5f, 0.0f, 1000.0f), 1.0f);
}

TEST(SoundListener, PansAlongTheListenersRightAndKeepsItsPosition) {
    SoundListener listener;
    const FSoundVector at{10.0f, 0.0f, 10.0f};
    listener.Place(&at, kForward, kUp);
    const StereoGain right = listener.Hear({13.0f, 0.0f, 10.0f}, 4.0f, 1000.0f);
    EXPECT_FLOAT_EQ(right.left, 0.0f);
    EXPECT_FLOAT_EQ(right.right, 1.0f);
    // Turned to face +x, the same source is straight ahead; no position keeps the old one.
    listener.Place(nullptr, {1.0f, 0.0f, 0.0f}, kUp);
    const StereoGain turned = listener.Hear({13.0f, 0.0f, 10.0f}, 4.0f, 1000.0f);
    EXPECT_FLOAT_EQ(turned.left, 1.0f);
    EXPECT_FLOAT_EQ(turned.right, 1.0f);
    const StereoGain toTheRight = listener.Hear({10.0f, 0.0f, 2.0f}, 4.0f, 1000.0f);
    EXPECT_FLOAT_EQ(toTheRight.left, 0.0f);
    EXPECT_FLOAT_EQ(toTheRight.right, 0.5f);
}

} // namespace
