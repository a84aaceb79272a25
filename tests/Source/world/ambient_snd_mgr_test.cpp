#include "Source/world/ambient_snd_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/data_tree_support.h"
#include "Library/sound/recorded_sound.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// "brook": continuous at (12.5, 8, 0), min distance 2, radius 6, volume 80, every 500 ms,
// chance 50, sound "brook". "bird": one-shot at the origin with the default distances and
// volume, every 1000 ms at chance 100, its sounds in slots 2 and 7.
const Bytes kEmitters = {
    0x02, 0x00, 0x00, 0x00,                                                 // count
    0x06, 0x00, 'b',  'r',  'o',  'o',  'k',  0x00,                         // name
    0x00, 0x00, 0x48, 0x41, 0x00, 0x00, 0x00, 0x41, 0x00, 0x00, 0x00, 0x00, // position
    0x00, 0x00, 0x00, 0x40,                                                 // min distance
    0x00, 0x00, 0xC0, 0x40,                                                 // radius
    0x50,                                                                   // volume
    0x01, 0x00, 0x00, 0x00,                                                 // flags
    0xF4, 0x01,                                                             // period
    0x32,                                                                   // chance
    0x01, 0x00, 0x00, 0x00,                                                 // sound count
    0x06, 0x00, 'b',  'r',  'o',  'o',  'k',  0x00,                         //
    0x05, 0x00, 'b',  'i',  'r',  'd',  0x00,                               //
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, //
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0xA0, 0x40,                         //
    0x64,                                                                   //
    0x00, 0x00, 0x00, 0x00,                                                 //
    0xE8, 0x03,                                                             //
    0x64,                                                                   //
    0x02, 0x00, 0x00, 0x00,                                                 //
    0x06, 0x00, 'c',  'h',  'i',  'r',  'p',  0x00,                         //
    0x06, 0x00, 't',  'w',  'e',  'e',  't',  0x00,                         //
};
constexpr long kBirdVolume = 0x4F;     // offset of the bird's volume
constexpr long kBirdSoundCount = 0x57; // and of its sound count

class AmbientSounds : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRand(7); }

    Bytes Written() const { return StoredForm(m_emitters); }
    bool Read(const Bytes& bytes) { return ReadFrom(m_emitters, bytes); }
    // Frames of frameMs with the listener at the point; the plays they made.
    long Frames(int count, const Vector& listener, uint32_t frameMs = 100) {
        const long before = m_sound.Count("FSOUND_PlaySoundEx");
        for (int frame = 0; frame < count; ++frame)
            m_emitters.Update(listener, frameMs);
        return m_sound.Count("FSOUND_PlaySoundEx") - before;
    }

    testsupport::ScopedDataRoot m_data;
    RecordedSound m_sound;
    AmbientSndMgr m_emitters{m_sound.slot};
};

TEST_F(AmbientSounds, TheBlockIsStoredAsLaidOutWithTheNamesMovedToTheFirstSlotsAndChecked) {
    AmbientSnd& brook = m_emitters.AddAt(Vector(12.5f, 8, 0));
    brook.SetName("brook");
    brook.SetMinDistance(2);
    brook.SetRadius(6);
    brook.SetVolume(80);
    brook.SetSound(0, "brook");
    AmbientSnd& bird = m_emitters.AddAt(Vector());
    bird.SetName("bird");
    bird.SetContinuous(false);
    bird.SetPeriod(1000);
    bird.SetChance(100);
    bird.SetSound(2, "chirp");
    bird.SetSound(7, "tweet");
    ASSERT_EQ(Written(), kEmitters);

    ExpectRoundTripAndTruncationsFail(kEmitters, m_emitters);
    EXPECT_EQ(m_emitters.Get(1)->GetSound(0), "chirp");
    EXPECT_EQ(m_emitters.Get(1)->GetSound(1), "tweet");
    // A sound count outside 0 to 10 fails; a volume above 100 clamps.
    for (const int32_t count : {-1, 11}) {
        Bytes forged = kEmitters;
        PutFieldAt(forged.data(), kBirdSoundCount, count);
        EXPECT_FALSE(Read(forged)) << count;
        EXPECT_EQ(Written(), kEmitters) << count;
    }
    Bytes loud = kEmitters;
    loud[kBirdVolume] = 200;
    ASSERT_TRUE(Read(loud));
    EXPECT_EQ(Written(), kEmitters);
}

TEST_F(AmbientSounds, AtChanceHundredEveryTimerFiringPlaysAndAtZeroAlmostNone) {
    AmbientSnd& bird = m_emitters.AddAt(Vector());
    bird.SetContinuous(false);
    bird.SetSound(4, "chirp");
    bird.SetPeriod(100);
    bird.SetChance(100);
    EXPECT_EQ(Frames(20, Vector(1, 1, 0)), 20);
    EXPECT_EQ(Frames(20, Vector(1, 1, 0), 50), 10);
    EXPECT_EQ(Frames(20, Vector(9, 0, 0)), 0); // outside the radius
    EXPECT_EQ(m_sound.Count("FSOUND_Sample_Load(" + m_data.Path("sound/sfx/chirp.wav")), 1);
    bird.SetChance(0);
    EXPECT_LT(Frames(300, Vector(1, 1, 0)), 15); // a roll of 0 only
}

TEST_F(AmbientSounds, AContinuousSoundStartsOnceStopsWhenLeftAndStartsAgainOnReturn) {
    AmbientSnd& brook = m_emitters.AddAt(Vector(10, 10, 0));
    brook.SetSound(0, "brook");
    EXPECT_EQ(Frames(5, Vector(12, 10, 0)), 1);
    EXPECT_EQ(m_sound.Count("FSOUND_StopSound"), 0);
    EXPECT_EQ(Frames(3, Vector(20, 10, 0)), 0);
    EXPECT_EQ(m_sound.Count("FSOUND_StopSound(7)"), 1);
    EXPECT_EQ(Frames(3, Vector(10, 14, 0)), 1);

    AmbientSnd& lost = m_emitters.AddAt(Vector(30, 30, 0));
    lost.SetSound(0, "missing");
    const long loads = m_sound.Count("FSOUND_Sample_Load");
    EXPECT_EQ(Frames(10, Vector(30, 30, 0)), 0);
    EXPECT_EQ(m_sound.Count("FSOUND_Sample_Load") - loads, 1); // not tried every frame
    m_emitters.Remove(&brook); // its sound could not be stopped once it is gone
    EXPECT_EQ(m_sound.Count("FSOUND_StopSound(7)"), 2);
}

TEST_F(AmbientSounds, ASoundNameLeadingOutOfTheSoundFolderRefusesTheBlock) {
    ASSERT_TRUE(Read(kEmitters));
    Bytes forged = kEmitters;
    const Bytes tweet = {'t', 'w', 'e', 'e', 't'};
    const auto at = std::search(forged.begin(), forged.end(), tweet.begin(), tweet.end());
    std::copy_n("../xy", 5, at);
    EXPECT_FALSE(Read(forged));
    EXPECT_EQ(Written(), kEmitters);
}

} // namespace
