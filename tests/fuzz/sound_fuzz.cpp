// Stored sound files, ".wav" as our exporter writes them and ".ogg" as music is kept,
// loaded by the sound layer: decoded, converted to the mixer's format, locked and freed.

#include "Library/files/wav_writer.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"
#include "platform/sdl_sound_layer.h"
#include "tools/encoders/ogg_writer.h"

#include <cstdlib>

namespace {

std::string Wav(uint16_t channels, uint16_t bits, uint32_t rate, int frames) {
    std::vector<uint8_t> samples(static_cast<size_t>(frames) * channels * bits / 8);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>(i * 37);
    WavFormat format;
    format.channels = channels;
    format.bits = bits;
    format.rate = rate;
    return WrittenBytes([&](Stream& stream) {
        return WriteWav(stream, format, samples.data(), static_cast<uint32_t>(samples.size()));
    });
}

std::string Ogg(int channels) {
    std::vector<int16_t> pcm(static_cast<size_t>(2048 * channels));
    for (size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = static_cast<int16_t>(i % 64 < 32 ? 8000 : -8000);
    const std::string path = FuzzFile("seed.ogg", "");
    return WriteOgg(path, 22050, channels, pcm) ? ReadWholeFile(path) : "";
}

SdlSoundLayer& Layer() {
    static SdlSoundLayer layer;
    static const bool opened = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        return layer.FSOUND_Init(22050, 4);
    }();
    if (!opened)
        std::abort(); // no mixer to load into
    return layer;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {Wav(1, 16, 22050, 40), Wav(2, 8, 11025, 33), Wav(2, 16, 44100, 5), Ogg(1), Ogg(2)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SdlSoundLayer& layer = Layer();
    const std::string path = FuzzFile("fuzz.snd", data, size);
    const FSoundSample sample = layer.FSOUND_Sample_Load(path.c_str(), FSOUND_LOOP_OFF);
    if (sample == FSoundSample::kNone)
        return 0;
    const unsigned length = layer.FSOUND_Sample_GetLength(sample);
    layer.FSOUND_Sample_Lock(sample, length / 2, length - length / 2);
    layer.FSOUND_Sample_Free(sample);
    return 0;
}
