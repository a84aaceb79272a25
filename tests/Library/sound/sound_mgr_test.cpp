#include "Library/sound/sound_mgr.h"

#include "Library/core/vector.h"
#include "Library/files/data_tree_support.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "platform/sound_file.h"
#include "recording_sound_layer.h"
#include "sound_fixtures.h"
#include "tools/encoders/ogg_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using testsupport::ScopedDataRoot;

// The expected calls appear in the log in this order, others may come between them.
::testing::AssertionResult InOrder(const std::vector<std::string>& log,
                                   const std::vector<std::string>& expected) {
    auto at = log.begin();
    for (const std::string& call : expected) {
        at = std::find(at, log.end(), call);
        if (at == log.end())
            return ::testing::AssertionFailure() << "missing, or out of order: " << call;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

class SoundMgrCalls : public ::testing::Test {
protected:
    SoundMgr& Make(float version = 3.75f, unsigned caps = 0) {
        auto layer = std::make_unique<RecordingSoundLayer>(m_log);
        layer->version = version;
        layer->caps = caps;
        layer->error = 3;
        m_mgr = std::make_unique<SoundMgr>(32, std::move(layer));
        return *m_mgr;
    }
    std::string Sfx(const char* name) const { return m_data.Path("sound/sfx/") + name; }
    std::string Music(const char* name) const { return m_data.Path("sound/music/") + name; }

    ScopedDataRoot m_data;
    std::vector<std::string> m_log;
    std::unique_ptr<SoundMgr> m_mgr;
};

TEST_F(SoundMgrCalls, StartsTheLayerAtTheDriversRateAndClosesItLast) {
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(Make().IsInitialised());
    EXPECT_TRUE(InOrder(m_log, {"FSOUND_GetVersion()", "FSOUND_Init(40000, 32)"}));
    m_mgr.reset();
    EXPECT_EQ(m_log.back(), "FSOUND_Close()");
    Make(3.75f, FSOUND_CAPS_HARDWARE);
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(InOrder(m_log, {"FSOUND_Init(48000, 32)"}));
}

TEST_F(SoundMgrCalls, AnOldLayerLeavesItSilent) {
    ::testing::internal::CaptureStderr();
    SoundMgr& old = Make(3.5f);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "You are using the wrong DLL version!  You should be using FMOD 3.60\n");
    EXPECT_FALSE(old.IsInitialised());
    EXPECT_EQ(old.PlaySample("shot.wav", 1, 255, nullptr, nullptr), -1);
    EXPECT_EQ(old.PlayStream("rain1.ogg", 2, 255, nullptr, nullptr), -1);
    m_mgr.reset();
    EXPECT_EQ(m_log, std::vector<std::string>{"FSOUND_GetVersion()"});
}

TEST_F(SoundMgrCalls, PlaysAnEffectLoadingItOnceAndAppliesTheLevel) {
    SoundMgr& mgr = Make();
    mgr.SetEffectsLevel(255);
    const Vector at(10, 20, 5), speed(1, 2, 3);
    m_log.clear();
    EXPECT_EQ(mgr.PlaySample("Shot.wav", 1, 255, &at, &speed), 7);
    EXPECT_EQ(m_log,
              (std::vector<std::string>{"FSOUND_Sample_Load(" + Sfx("Shot.wav") + ", 1)",
                                        "FSOUND_Sample_SetMinMaxDistance(0, 4, 1000)",
                                        "FSOUND_PlaySoundEx(0, true)", "FSOUND_SetVolume(7, 255)",
                                        "FSOUND_3D_SetAttributes(7, (10 5 -20), (1 3 -2))",
                                        "FSOUND_SetPaused(7, false)"}));

    m_log.clear();
    mgr.SetEffectsLevel(200);
    EXPECT_EQ(mgr.PlaySample("SHOT.WAV", 2, 100, nullptr, &speed), 7); // loaded already
    EXPECT_EQ(CountCalls(m_log, "FSOUND_Sample_Load"), 0);
    EXPECT_TRUE(InOrder(m_log, {"FSOUND_Sample_SetMode(0, 2)", "FSOUND_SetVolume(7, 45)",
                                "FSOUND_3D_SetAttributes(7, null, null)"}));

    mgr.SetMasterVolume(999);
    EXPECT_EQ(m_log.back(), "FSOUND_SetSFXMasterVolume(255)");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(mgr.PlaySample("missing.wav", 1, 255, nullptr, nullptr), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error initializing output device.: " + Sfx("missing.wav") + "\n");
}

TEST_F(SoundMgrCalls, KeepsTheMusicThatIsAlreadyOpen) {
    SoundMgr& mgr = Make();
    mgr.SetMusicLevel(255);
    m_log.clear();
    EXPECT_EQ(mgr.PlayStream("Rain1.ogg", 2, 255, nullptr, nullptr), 7);
    EXPECT_TRUE(
        InOrder(m_log, {"FSOUND_Stream_OpenFile(" + Music("Rain1.ogg") + ", 2)",
                        "FSOUND_Stream_PlayEx(stream0, true)", "FSOUND_SetPaused(7, false)"}));
    mgr.PlayStream("rain1.OGG", 2, 255, nullptr, nullptr);
    EXPECT_EQ(CountCalls(m_log, "FSOUND_Stream_OpenFile"), 1);
    mgr.PlayStream("wind1.ogg", 2, 255, nullptr, nullptr);
    EXPECT_TRUE(InOrder(m_log, {"FSOUND_Stream_Close(stream0)",
                                "FSOUND_Stream_OpenFile(" + Music("wind1.ogg") + ", 2)"}));
    mgr.LoadSample("a.wav", 1);
    mgr.LoadSample("b.wav", 1);
    m_log.clear();
    mgr.Shutdown();
    EXPECT_EQ(m_log, (std::vector<std::string>{"FSOUND_Sample_Free(0)", "FSOUND_Sample_Free(1)",
                                               "FSOUND_Stream_Close(stream0)"}));
}

TEST_F(SoundMgrCalls, TheListenerFollowsEvenWhenSilent) {
    SoundMgr& mgr = Make(3.0f);
    const Vector at(10, 20, 5), speed(1, 0, 0);
    mgr.Update(&at, &speed, Vector(0, -1, 0), Vector(0, 0, 1));
    EXPECT_TRUE(InOrder(m_log, {"FSOUND_3D_Listener_SetAttributes((10 5 -20), (1 0 0), 0, 0, 1, "
                                "0, 1, 0)",
                                "FSOUND_3D_Update()"}));
}

// The manager on the real layer, with SDL's dummy audio driver unless a test says otherwise.
class SoundMgrOnSdl : public ::testing::Test {
protected:
    void TearDown() override { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void Put(const char* relative, const std::vector<uint8_t>& bytes) {
        m_data.WriteFile(relative, std::string(bytes.begin(), bytes.end()));
    }

    ScopedDataRoot m_data;
};

// Nothing plays, but the first run's conversions still decode and write their files.
TEST_F(SoundMgrOnSdl, WithoutAnAudioDeviceOnlyTheLevelsAreKeptAndExportsStillWork) {
    using namespace sound_fixtures;
    ::setenv("SDL_AUDIODRIVER", "nosuchdevice", 1);
    m_data.WriteFile("sound/sfx/shot.wav", "");
    const std::vector<uint8_t> mono = Pcm16(Square(200, 1, 10, 77));
    Put("sound/sfx/Tone.snd", WavBytes(22050, 1, 16, mono));
    const std::vector<int16_t> rain(4410, 1200);
    m_data.WriteFile("sound/music/rain1.ogg", ""); // its directory
    ASSERT_TRUE(WriteOgg(m_data.Path("sound/music/rain1.ogg"), 22050, 1, rain));
    ::testing::internal::CaptureStderr();
    SoundMgr mgr(32);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error initializing output device.\n");
    EXPECT_FALSE(mgr.IsInitialised());
    EXPECT_FALSE(mgr.LoadSample("shot.wav", 1));
    EXPECT_EQ(mgr.PlaySample("shot.wav", 1, 255, nullptr, nullptr), -1);
    EXPECT_EQ(mgr.PlayStream("rain1.ogg", 2, 255, nullptr, nullptr), -1);

    EXPECT_TRUE(mgr.ExportSample("Tone.snd"));
    EXPECT_EQ(ReadFile(m_data.Path("sound/sfx/Tone.wav")), WavBytes(22050, 1, 16, mono));
    EXPECT_TRUE(mgr.ExportMusic("rain1.ogg"));
    platform::SoundPcm pcm;
    ASSERT_EQ(platform::DecodeSoundFile(m_data.Path("sound/music/rain1.wav").c_str(), pcm),
              kSoundErrNone);
    EXPECT_EQ(pcm.Frames(), rain.size());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(mgr.ExportSample("shot.wav"));
    ::testing::internal::GetCapturedStderr();
}

TEST_F(SoundMgrOnSdl, ExportsWriteTheExactWavAndItLoadsAgain) {
    using namespace sound_fixtures;
    const std::vector<uint8_t> stereo = Pcm16(Square(300, 2, 20, 1234));
    const std::vector<uint8_t> mono8{0, 50, 128, 200, 255, 7};
    Put("sound/sfx/Tone.snd", WavBytes(22050, 2, 16, stereo));
    Put("sound/music/Wind.snd", WavBytes(11025, 1, 8, mono8));
    SoundMgr mgr(32);
    ASSERT_TRUE(mgr.IsInitialised());

    EXPECT_TRUE(mgr.ExportSample("Tone.snd"));
    EXPECT_EQ(ReadFile(m_data.Path("sound/sfx/Tone.wav")), WavBytes(22050, 2, 16, stereo));
    EXPECT_EQ(mgr.PlayCurrentSample(255, nullptr, nullptr), -1); // the export freed it
    EXPECT_TRUE(mgr.LoadSample("tone.WAV", 1));
    EXPECT_GE(mgr.PlayCurrentSample(255, nullptr, nullptr), 0);

    EXPECT_TRUE(mgr.ExportMusic("Wind.snd"));
    EXPECT_EQ(ReadFile(m_data.Path("sound/music/Wind.wav")), WavBytes(11025, 1, 8, mono8));
    EXPECT_GE(mgr.PlayStream("wind.wav", 2, 255, nullptr, nullptr), 0);
    EXPECT_FALSE(mgr.ExportSample("absent.ogg"));
}

TEST_F(SoundMgrOnSdl, ExtractsFromTheGeneralArchiveOnlyWhatIsMissingOnDisk) {
    using namespace sound_fixtures;
    const std::vector<uint8_t> wav = WavBytes(22050, 1, 16, Pcm16(Square(100, 1, 10, 99)));
    const std::string bytes(wav.begin(), wav.end());
    testsupport::WriteArchive(
        m_data.Path("general.rsc"),
        {{m_data.Path("sound/sfx/Boom.wav"), bytes}, {m_data.Path("sound/sfx/kept.wav"), bytes}});
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(m_data.Path("general.rsc").c_str(), ResFileMgr::kRead));
    g_generalRes = &archive;
    m_data.Paths().SetUseResourceFiles(true);
    m_data.WriteFile("sound/sfx/kept.wav", "on disk");
    SoundMgr mgr(32);

    EXPECT_GE(mgr.PlaySample("Boom.wav", 1, 255, nullptr, nullptr), 0);
    EXPECT_EQ(ReadFile(m_data.Path("sound/sfx/Boom.wav")), wav);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(mgr.PlaySample("kept.wav", 1, 255, nullptr, nullptr), -1);
    EXPECT_EQ(mgr.PlaySample("gone.wav", 1, 255, nullptr, nullptr), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Unknown file format: " + m_data.Path("sound/sfx/kept.wav") + "\n" +
                  "Not in resorce file " + m_data.Path("sound/sfx/gone.wav") + "\n");
    EXPECT_EQ(m_data.ReadFile("sound/sfx/kept.wav"), "on disk");
}

} // namespace
