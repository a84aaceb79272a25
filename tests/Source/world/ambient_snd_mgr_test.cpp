#include "Source/world/ambient_snd_mgr.h"

#include "Library/core/struct.h"
#include "Library/core/test_stream_support.h"
#include "Library/core/tracked_new.h"
#include "Library/files/data_tree_support.h"
#include "Library/sound/recording_sound_layer.h"
#include "Library/sound/sound_mgr.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

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
    void SetUp() override {
        platform::SeedRand(7);
        ::testing::internal::CaptureStdout(); // the manager's settings
        m_sound = NEW SoundMgr(32, std::make_unique<RecordingSoundLayer>(m_log));
        ::testing::internal::GetCapturedStdout();
        m_log.clear();
    }
    void TearDown() override {
        m_emitters.reset();
        ReleaseObject(m_sound);
    }

    Bytes Written() const {
        return WrittenBy([&](Stream& stream) { return m_emitters->Write(stream); });
    }
    bool Read(const Bytes& bytes) {
        TestStream stream(bytes);
        return m_emitters->Read(stream);
    }
    // Frames of frameMs with the listener at the point; the plays they made.
    long Frames(int count, const Vector& listener, uint32_t frameMs = 100) {
        const long before = CountCalls(m_log, "FSOUND_PlaySoundEx");
        for (int frame = 0; frame < count; ++frame)
            m_emitters->Update(listener, frameMs);
        return CountCalls(m_log, "FSOUND_PlaySoundEx") - before;
    }

    testsupport::ScopedDataRoot m_data;
    std::vector<std::string> m_log;
    SoundMgr* m_sound = nullptr;
    std::unique_ptr<AmbientSndMgr> m_emitters = std::make_unique<AmbientSndMgr>(m_sound);
};

TEST_F(AmbientSounds, TheBlockIsStoredAsLaidOutWithTheNamesMovedToTheFirstSlots) {
    AmbientSnd& brook = m_emitters->AddAt(Vector(12.5f, 8, 0));
    brook.SetName("brook");
    brook.SetMinDistance(2);
    brook.SetRadius(6);
    brook.SetVolume(80);
    brook.SetSound(0, "brook");
    AmbientSnd& bird = m_emitters->AddAt(Vector());
    bird.SetName("bird");
    bird.SetContinuous(false);
    bird.SetPeriod(1000);
    bird.SetChance(100);
    bird.SetSound(2, "chirp");
    bird.SetSound(7, "tweet");
    ASSERT_EQ(Written(), kEmitters);

    ASSERT_TRUE(Read(kEmitters));
    EXPECT_EQ(Written(), kEmitters);
    EXPECT_EQ(m_emitters->Get(1)->GetSound(0), "chirp");
    EXPECT_EQ(m_emitters->Get(1)->GetSound(1), "tweet");
    for (size_t length = 0; length < kEmitters.size(); ++length) {
        EXPECT_FALSE(Read(Bytes(kEmitters.begin(), kEmitters.begin() + length))) << length;
        EXPECT_EQ(Written(), kEmitters) << length;
    }
}

TEST_F(AmbientSounds, ASoundCountOutsideZeroToTenFailsAndAVolumeAboveAHundredClamps) {
    ASSERT_TRUE(Read(kEmitters));
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
    AmbientSnd& bird = m_emitters->AddAt(Vector());
    bird.SetContinuous(false);
    bird.SetSound(4, "chirp");
    bird.SetPeriod(100);
    bird.SetChance(100);
    EXPECT_EQ(Frames(20, Vector(1, 1, 0)), 20);
    EXPECT_EQ(Frames(20, Vector(1, 1, 0), 50), 10);
    EXPECT_EQ(Frames(20, Vector(9, 0, 0)), 0); // outside the radius
    EXPECT_EQ(CountCalls(m_log, "FSOUND_Sample_Load(" + m_data.Path("sound/sfx/chirp.wav")), 1);
    bird.SetChance(0);
    EXPECT_LT(Frames(300, Vector(1, 1, 0)), 15); // a roll of 0 only
}

TEST_F(AmbientSounds, AContinuousSoundStartsOnceStopsWhenLeftAndStartsAgainOnReturn) {
    AmbientSnd& brook = m_emitters->AddAt(Vector(10, 10, 0));
    brook.SetSound(0, "brook");
    EXPECT_EQ(Frames(5, Vector(12, 10, 0)), 1);
    EXPECT_TRUE(brook.IsPlaying());
    EXPECT_EQ(CountCalls(m_log, "FSOUND_StopSound"), 0);
    EXPECT_EQ(Frames(3, Vector(20, 10, 0)), 0);
    EXPECT_EQ(CountCalls(m_log, "FSOUND_StopSound(7)"), 1);
    EXPECT_EQ(Frames(3, Vector(10, 14, 0)), 1);

    AmbientSnd& lost = m_emitters->AddAt(Vector(30, 30, 0));
    lost.SetSound(0, "missing");
    const long loads = CountCalls(m_log, "FSOUND_Sample_Load");
    EXPECT_EQ(Frames(10, Vector(30, 30, 0)), 0);
    EXPECT_EQ(CountCalls(m_log, "FSOUND_Sample_Load") - loads, 1); // not tried every frame
    m_emitters->Clear();
    EXPECT_EQ(CountCalls(m_log, "FSOUND_StopSound(7)"), 2);
}

} // namespace
