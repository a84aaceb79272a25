#include "platform/sdl_sound_layer.h"

#include "scratch_dir.h"
#include "sound_fixtures.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

using namespace sound_fixtures;

constexpr int kRate = 22050;
constexpr int16_t kAmplitude = 8000;

class SdlSoundLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(Path("Tone.wav"),
                  WavBytes(kRate, 2, 16, Pcm16(Square(kRate / 10, 2, 50, kAmplitude))));
        WriteFile(Path("bytes.wav"), WavBytes(11025, 1, 8, {1, 2, 3, 4, 5, 6}));
    }
    void TearDown() override {
        m_layer.FSOUND_Close();
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    std::string Path(const char* name) const { return m_dir.Path(name); }
    FSoundSample Load(const char* name, unsigned mode) {
        return m_layer.FSOUND_Sample_Load(Path(name).c_str(), mode);
    }

    testsupport::ScratchDir m_dir;
    SdlSoundLayer m_layer;
};

TEST_F(SdlSoundLayerTest, InitialisesOnItsOwnAndReportsOneSoftwareDriver) {
    m_layer.FSOUND_3D_Listener_SetAttributes(nullptr, nullptr, 0, 0, 1, 0, 1, 0); // before init
    ASSERT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    ASSERT_TRUE(m_layer.FSOUND_Init(40000, 32));
    EXPECT_EQ(m_layer.FSOUND_GetMaxChannels(), 32);
    EXPECT_STREQ(m_layer.FSOUND_GetDriverName(0), "dummy");
    m_layer.FSOUND_Close();
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
}

TEST_F(SdlSoundLayerTest, WithoutAnAudioDeviceInitFailsCleanly) {
    ::setenv("SDL_AUDIODRIVER", "nosuchdevice", 1);
    EXPECT_FALSE(m_layer.FSOUND_Init(40000, 32));
    EXPECT_EQ(m_layer.FSOUND_GetError(), kSoundErrInit);
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    EXPECT_EQ(Load("Tone.wav", FSOUND_LOOP_OFF), FSoundSample::kNone);
    EXPECT_EQ(m_layer.FSOUND_GetError(), kSoundErrUninitialised);
    EXPECT_EQ(m_layer.FSOUND_Stream_OpenFile(Path("Tone.wav").c_str(), 2), FSoundStream::kNone);
    m_layer.FSOUND_3D_Update();
}

TEST_F(SdlSoundLayerTest, SamplesKeepTheirFormatAndTheLoopModeOfTheirLatestLoad) {
    ASSERT_TRUE(m_layer.FSOUND_Init(kRate, 4));
    const FSoundSample looped = Load("BYTES.wav", FSOUND_LOOP_NORMAL);
    ASSERT_NE(looped, FSoundSample::kNone);
    EXPECT_EQ(m_layer.FSOUND_Sample_GetMode(looped),
              FSOUND_LOOP_NORMAL | FSOUND_8BITS | FSOUND_MONO);
    const auto* bytes = static_cast<const uint8_t*>(m_layer.FSOUND_Sample_Lock(looped, 2, 4));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(m_layer.FSOUND_Sample_Lock(looped, 2, 5), nullptr);

    const FSoundSample once = Load("bytes.wav", FSOUND_LOOP_OFF);
    EXPECT_EQ(m_layer.FSOUND_Sample_GetMode(once) & (FSOUND_LOOP_OFF | FSOUND_LOOP_NORMAL),
              FSOUND_LOOP_OFF);
    m_layer.FSOUND_Sample_Free(looped);
    EXPECT_EQ(m_layer.FSOUND_Sample_Get(0), FSoundSample::kNone);
    EXPECT_EQ(m_layer.FSOUND_Sample_GetName(looped), nullptr);
    EXPECT_NE(Load("Tone.wav", FSOUND_LOOP_OFF), looped); // slot 0 again, new handle
}

TEST_F(SdlSoundLayerTest, RatesTooFarFromTheOutputsAreRefusedNotConverted) {
    ASSERT_TRUE(m_layer.FSOUND_Init(kRate, 4));
    const struct {
        int rate;
        bool loads;
    } cases[] = {{0, false},         {34, false}, {689, false}, {690, true}, {kRate * 32 - 1, true},
                 {kRate * 32, false}};
    for (const auto& c : cases) {
        WriteFile(Path("rate.wav"), WavBytes(c.rate, 1, 8, std::vector<uint8_t>(64, 0x80)));
        const FSoundSample sample = Load("rate.wav", FSOUND_LOOP_OFF);
        EXPECT_EQ(sample != FSoundSample::kNone, c.loads) << c.rate;
        if (!c.loads)
            EXPECT_EQ(m_layer.FSOUND_GetError(), kSoundErrFileFormat) << c.rate;
        m_layer.FSOUND_Sample_Free(sample);
    }
}

TEST_F(SdlSoundLayerTest, ChannelCallsIgnoreStaleHandles) {
    ASSERT_TRUE(m_layer.FSOUND_Init(kRate, 2));
    const FSoundSample tone = Load("Tone.wav", FSOUND_LOOP_NORMAL);
    const int first = m_layer.FSOUND_PlaySoundEx(tone, false);
    const int second = m_layer.FSOUND_PlaySoundEx(tone, true);
    ASSERT_GE(first, 0);
    EXPECT_TRUE(m_layer.FSOUND_IsPlaying(second)); // paused counts as playing
    EXPECT_EQ(m_layer.FSOUND_PlaySoundEx(tone, false), -1);
    EXPECT_EQ(m_layer.FSOUND_GetError(), kSoundErrChannelAlloc);

    EXPECT_TRUE(m_layer.FSOUND_StopSound(first));
    EXPECT_FALSE(m_layer.FSOUND_IsPlaying(first));
    const int reused = m_layer.FSOUND_PlaySoundEx(tone, false);
    ASSERT_GE(reused, 0);
    EXPECT_NE(reused, first);
    EXPECT_FALSE(m_layer.FSOUND_StopSound(first) || m_layer.FSOUND_SetVolume(first, 0) ||
                 m_layer.FSOUND_SetPaused(-1, true));
    EXPECT_TRUE(m_layer.FSOUND_IsPlaying(reused));

    m_layer.FSOUND_Sample_Free(tone); // stops what plays it
    EXPECT_FALSE(m_layer.FSOUND_IsPlaying(reused));
}

TEST_F(SdlSoundLayerTest, OneStreamAtATimeOnAChannelTheChannelCallsAccept) {
    ASSERT_TRUE(m_layer.FSOUND_Init(kRate, 1));
    const FSoundStream stream =
        m_layer.FSOUND_Stream_OpenFile(Path("Tone.wav").c_str(), FSOUND_LOOP_NORMAL);
    ASSERT_NE(stream, FSoundStream::kNone);
    EXPECT_EQ(m_layer.FSOUND_Stream_OpenFile(Path("bytes.wav").c_str(), 2), FSoundStream::kNone);
    EXPECT_EQ(m_layer.FSOUND_Sample_Get(0), FSoundSample::kNone); // not among the samples

    const FSoundSample effect = Load("Tone.wav", FSOUND_LOOP_NORMAL);
    EXPECT_GE(m_layer.FSOUND_PlaySoundEx(effect, false), 0); // the stream's channel is extra
    const int channel = m_layer.FSOUND_Stream_PlayEx(stream, false);
    ASSERT_GE(channel, 0);
    EXPECT_TRUE(m_layer.FSOUND_IsPlaying(channel));
    EXPECT_TRUE(m_layer.FSOUND_Stream_Stop(stream));
    EXPECT_FALSE(m_layer.FSOUND_IsPlaying(channel));

    EXPECT_TRUE(m_layer.FSOUND_Stream_Close(stream));
    EXPECT_EQ(m_layer.FSOUND_Stream_GetSample(stream), FSoundSample::kNone);
    EXPECT_EQ(m_layer.FSOUND_Stream_PlayEx(stream, false), -1);
    EXPECT_NE(m_layer.FSOUND_Stream_OpenFile(Path("bytes.wav").c_str(), 2), FSoundStream::kNone);
}

// The disk driver writes the mixed output to a file, read back to hear what was played.
// Each phase is measured from a few mixing buffers after the change until the next one.
class DiskOutput : public SdlSoundLayerTest {
protected:
    struct Peaks {
        int left = 0;
        int right = 0;
    };

    void SetUp() override {
        SdlSoundLayerTest::SetUp();
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", Path("out.raw").c_str(), 1);
        ::setenv("SDL_DISKAUDIODELAY", "5", 1);
        ASSERT_TRUE(m_layer.FSOUND_Init(kRate, 4));
    }

    // Lets the mixer run, then returns the stretch of output written under the last change.
    // A loaded machine mixes late: the wait is for the bytes, not for a time.
    std::pair<long, long> Phase() {
        const long start = Written() + kMargin;
        for (int waitedMs = 0; waitedMs < 10000 && Written() < start + kPhase; waitedMs += 10)
            SDL_Delay(10);
        return {start, Written()};
    }
    long Written() const {
        struct stat info;
        return ::stat(Path("out.raw").c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
    }
    Peaks PeaksOf(const std::vector<uint8_t>& output, std::pair<long, long> range) const {
        Peaks peaks;
        EXPECT_GT(range.second, range.first + 4096) << "the mixer wrote too little";
        for (long i = range.first & ~3L;
             i + 4 <= range.second && i + 4 <= static_cast<long>(output.size()); i += 4) {
            int16_t left, right;
            std::memcpy(&left, &output[static_cast<size_t>(i)], 2);
            std::memcpy(&right, &output[static_cast<size_t>(i) + 2], 2);
            peaks.left = std::max(peaks.left, std::abs(left));
            peaks.right = std::max(peaks.right, std::abs(right));
        }
        return peaks;
    }
    std::vector<uint8_t> CloseAndRead() {
        m_layer.FSOUND_Close();
        return ReadFile(Path("out.raw"));
    }

    static constexpr long kMargin = 4 * 1024 * 4; // four buffers of 1024 stereo frames
    static constexpr long kPhase = 2 * 1024 * 4;
};

TEST_F(DiskOutput, VolumeAndMasterVolumeScaleTheAmplitudeAndStopSilences) {
    const int channel = m_layer.FSOUND_PlaySoundEx(Load("Tone.wav", FSOUND_LOOP_NORMAL), false);
    const auto full = Phase();
    m_layer.FSOUND_SetVolume(channel, 128);
    const auto half = Phase();
    m_layer.FSOUND_SetVolume(channel, 255);
    m_layer.FSOUND_SetSFXMasterVolume(128);
    const auto master = Phase();
    EXPECT_TRUE(m_layer.FSOUND_IsPlaying(channel)); // looping outlasts its 0.1 s
    m_layer.FSOUND_StopSound(channel);
    const auto stopped = Phase();
    const std::vector<uint8_t> output = CloseAndRead();

    EXPECT_EQ(PeaksOf(output, full).left, kAmplitude);
    EXPECT_EQ(PeaksOf(output, full).right, kAmplitude);
    EXPECT_EQ(PeaksOf(output, half).left, kAmplitude / 2);
    EXPECT_EQ(PeaksOf(output, master).right, kAmplitude / 2);
    EXPECT_EQ(PeaksOf(output, stopped).left, 0);
}

TEST_F(DiskOutput, OneShotsFallSilentAndPositionedSoundsPanAndFade) {
    const int once = m_layer.FSOUND_PlaySoundEx(Load("Tone.wav", FSOUND_LOOP_OFF), false);
    const auto afterOneShot = Phase();
    EXPECT_FALSE(m_layer.FSOUND_IsPlaying(once));

    const FSoundSample tone = Load("Tone.wav", FSOUND_LOOP_NORMAL);
    m_layer.FSOUND_Sample_SetMinMaxDistance(tone, 4.0f, 1000.0f);
    const FSoundVector listener{0.0f, 0.0f, 0.0f};
    m_layer.FSOUND_3D_Listener_SetAttributes(&listener, nullptr, 0, 0, 1, 0, 1, 0);
    const int channel = m_layer.FSOUND_PlaySoundEx(tone, true);
    const FSoundVector right{8.0f, 0.0f, 0.0f};
    m_layer.FSOUND_3D_SetAttributes(channel, &right, nullptr);
    m_layer.FSOUND_SetPaused(channel, false);
    const auto onTheRight = Phase();
    const FSoundVector moved{-2.0f, 0.0f, 0.0f}; // the source is now 10 to the right
    m_layer.FSOUND_3D_Listener_SetAttributes(&moved, nullptr, 0, 0, 1, 0, 1, 0);
    m_layer.FSOUND_3D_Update();
    const auto fartherRight = Phase();
    const std::vector<uint8_t> output = CloseAndRead();

    EXPECT_EQ(PeaksOf(output, afterOneShot).left, 0);
    EXPECT_EQ(PeaksOf(output, onTheRight).left, 0);
    EXPECT_NEAR(PeaksOf(output, onTheRight).right, kAmplitude / 2, kAmplitude / 100);
    EXPECT_NEAR(PeaksOf(output, fartherRight).right, kAmplitude * 4 / 10, kAmplitude / 100);
}

} // namespace
