#include "platform/sound_file.h"

#include "ogg_fixture.h"
#include "scratch_dir.h"
#include "sound_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sound_fixtures;

TEST(SoundFile, OggDecodesToSixteenBitsAtItsOwnRate) {
    testsupport::ScratchDir dir;
    const std::string root = dir.Root();
    std::vector<int16_t> sine;
    for (int f = 0; f < 20000; ++f) {
        const auto s = static_cast<int16_t>(8000.0 * std::sin(f * 2.0 * M_PI * 440.0 / 32000.0));
        sine.insert(sine.end(), {s, s});
    }
    ASSERT_TRUE(WriteOgg(root + "/tone.ogg", 32000, 2, sine));
    platform::SoundPcm pcm;
    ASSERT_EQ(platform::DecodeSoundFile((root + "/tone.ogg").c_str(), pcm), kSoundErrNone);
    EXPECT_EQ(pcm.frequency, 32000);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.bits, 16);
    ASSERT_EQ(pcm.Frames(), 20000u);
    double error = 0.0;
    for (size_t i = 0; i < sine.size(); ++i) {
        const auto got = static_cast<int16_t>(pcm.bytes[2 * i] | pcm.bytes[2 * i + 1] << 8);
        error += std::abs(got - sine[i]);
    }
    EXPECT_LT(error / static_cast<double>(sine.size()), 200.0);
}

TEST(SoundFile, BadFilesFailWithTheirReason) {
    testsupport::ScratchDir dir;
    const std::string root = dir.Root();
    platform::SoundPcm pcm;
    EXPECT_EQ(platform::DecodeSoundFile((root + "/none.wav").c_str(), pcm), kSoundErrFileNotFound);
    WriteFile(root + "/text.wav", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(platform::DecodeSoundFile((root + "/text.wav").c_str(), pcm), kSoundErrFileFormat);
    std::vector<uint8_t> truncated = WavBytes(22050, 1, 16, Pcm16(Square(100, 1, 10, 50)));
    truncated.resize(100);
    WriteFile(root + "/cut.wav", truncated);
    EXPECT_EQ(platform::DecodeSoundFile((root + "/cut.wav").c_str(), pcm), kSoundErrFileBad);
    WriteFile(root + "/cut.ogg", {'O', 'g', 'g', 'S', 0, 2});
    EXPECT_EQ(platform::DecodeSoundFile((root + "/cut.ogg").c_str(), pcm), kSoundErrFileBad);
    EXPECT_TRUE(pcm.bytes.empty());
}

} // namespace
