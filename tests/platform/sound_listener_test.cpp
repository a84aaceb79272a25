#include "platform/sound_listener.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
