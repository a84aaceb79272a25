#include "platform/sound_file.h"

#include "scratch_dir.h"
#include "sound_fixtures.h"
#include "tools/encoders/ogg_writer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            size_t),
                                                         void (*freeHook)(const volatile void*));
#endif

namespace {

using namespace sound_fixtures;

// The largest block allocated since the last reset, where the sanitizer can tell.
class AllocationWatch {
public:
    AllocationWatch() {
#if defined(__SANITIZE_ADDRESS__)
        static const int installed = __sanitizer_install_malloc_and_free_hooks(
            [](const volatile void*, size_t size) {
                size_t seen = s_largest.load();
                while (size > seen && !s_largest.compare_exchange_weak(seen, size)) {
                }
            },
            [](const volatile void*) {});
        (void)installed;
#endif
        s_largest = 0;
    }
    size_t Largest() const {
        return s_largest;
    }

private:
    static std::atomic<size_t> s_largest;
};

std::atomic<size_t> AllocationWatch::s_largest{0};

constexpr int kImaAdpcm = 0x11;
constexpr int kMsAdpcm = 2;

std::vector<uint8_t> ImaFormat(int channels, int blockAlign, int samplesPerBlock) {
    std::vector<uint8_t> extra;
    PutLe(extra, 2, 2); // extra size
    PutLe(extra, static_cast<uint32_t>(samplesPerBlock), 2);
    return Format(kImaAdpcm, channels, blockAlign, 4, extra);
}

std::vector<uint8_t> MsFormat(int blockAlign, int samplesPerBlock) {
    std::vector<uint8_t> extra;
    PutLe(extra, 32, 2);
    PutLe(extra, static_cast<uint32_t>(samplesPerBlock), 2);
    PutLe(extra, 7, 2);
    for (int coefficient : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232})
        PutLe(extra, static_cast<uint32_t>(coefficient), 2);
    return Format(kMsAdpcm, 1, blockAlign, 4, extra);
}

// One block of silence; the header's step index (IMA) or predictor (MS) as given.
std::vector<uint8_t> ImaBlock(int channels, int blockAlign, uint8_t index = 0) {
    std::vector<uint8_t> block(static_cast<size_t>(blockAlign), 0);
    for (int c = 0; c < channels; ++c)
        block[4 * c + 2] = index;
    return block;
}
std::vector<uint8_t> MsBlock(int blockAlign, uint8_t predictor = 0) {
    std::vector<uint8_t> block(static_cast<size_t>(blockAlign), 0);
    block[0] = predictor;
    block[1] = 16; // delta
    return block;
}

std::vector<uint8_t> WithLength(std::vector<uint8_t> chunk, uint32_t claimed) {
    for (int i = 0; i < 4; ++i)
        chunk[4 + i] = static_cast<uint8_t>(claimed >> (8 * i));
    return chunk;
}

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

TEST(SoundFile, AdpcmWavsDecodeToSixteenBits) {
    testsupport::ScratchDir dir;
    const std::string path = dir.Path("a.wav");
    platform::SoundPcm pcm;
    WriteFile(path, Riff({Chunk("fmt ", ImaFormat(1, 256, 505)), Chunk("data", ImaBlock(1, 256))}));
    ASSERT_EQ(platform::DecodeSoundFile(path.c_str(), pcm), kSoundErrNone);
    EXPECT_EQ(pcm.bits * 1000 + static_cast<int>(pcm.Frames()), 16505);
    WriteFile(path, Riff({Chunk("fmt ", MsFormat(256, 500)), Chunk("LIST", {1, 2}),
                          Chunk("data", MsBlock(256))}));
    ASSERT_EQ(platform::DecodeSoundFile(path.c_str(), pcm), kSoundErrNone);
    EXPECT_EQ(pcm.bits * 1000 + static_cast<int>(pcm.Frames()), 16500);
}

// Chunks whose lengths overrun the file, and ADPCM layouts the decoder would run off, are
// refused before anything is allocated for them; what fails inside the decoder is freed.
TEST(SoundFile, ForgedWavsAreRefusedBeforeTheDecoderAllocates) {
    testsupport::ScratchDir dir;
    const std::string path = dir.Path("a.wav");
    const std::vector<uint8_t> pcmFormat = Chunk("fmt ", Format(1, 1, 2, 16));
    const std::vector<uint8_t> pcmData = Chunk("data", {1, 2, 3, 4});
    const std::vector<uint8_t> twelveBytes = WithLength(Riff({}), 0x7FFFFFF0);
    const struct {
        const char* what;
        std::vector<uint8_t> file;
    } cases[] = {
        {"RIFF length", twelveBytes},
        {"format length", Riff({WithLength(pcmFormat, 0x7FFFFFF0)})},
        {"data length", Riff({pcmFormat, WithLength(pcmData, 0x80000000)})},
        {"LIST length", Riff({pcmFormat, WithLength(Chunk("LIST", {}), 0xFFFFFFF0), pcmData})},
        {"short format", Riff({Chunk("fmt ", {1, 0, 1, 0}), pcmData})},
        {"no data", Riff({pcmFormat})},
        {"short IMA format", Riff({Chunk("fmt ", Format(kImaAdpcm, 1, 256, 4)), pcmData})},
        {"short MS format", Riff({Chunk("fmt ", Format(kMsAdpcm, 1, 256, 4, {32, 0})), pcmData})},
        {"IMA block align 0", Riff({Chunk("fmt ", ImaFormat(1, 0, 505)), pcmData})},
        {"IMA samples past the block",
         Riff({Chunk("fmt ", ImaFormat(1, 64, 505)), Chunk("data", ImaBlock(1, 256))})},
        {"IMA samples not in whole words",
         Riff({Chunk("fmt ", ImaFormat(1, 256, 500)), Chunk("data", ImaBlock(1, 256))})},
        {"IMA step index",
         Riff({Chunk("fmt ", ImaFormat(1, 256, 505)), Chunk("data", ImaBlock(1, 256, 89))})},
        {"MS samples past the block",
         Riff({Chunk("fmt ", MsFormat(256, 1000)), Chunk("data", MsBlock(256))})},
        {"MS predictor", Riff({Chunk("fmt ", MsFormat(256, 500)), Chunk("data", MsBlock(256, 7))})},
        // Refused by the decoder after it read the data, which must be freed.
        {"IMA of three channels",
         Riff({Chunk("fmt ", ImaFormat(3, 24, 9)), Chunk("data", ImaBlock(3, 24))})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(path, c.file);
        platform::SoundPcm pcm;
        AllocationWatch watch;
        EXPECT_NE(platform::DecodeSoundFile(path.c_str(), pcm), kSoundErrNone);
        EXPECT_LT(watch.Largest(), 1u << 20);
        EXPECT_TRUE(pcm.bytes.empty());
    }
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
