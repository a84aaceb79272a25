#include "tools/demoworld/demo_sound.h"

#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/wav_writer.h"
#include "tools/demoworld/demo_output.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979;

} // namespace

std::vector<int16_t> Click(double frequency, double seconds) {
    const int frames = static_cast<int>(seconds * kDemoSoundRate);
    std::vector<int16_t> samples(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kDemoSoundRate;
        const double decay = std::exp(-6.0 * i / frames);
        samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(12000.0 * decay * std::sin(2 * kPi * frequency * t));
    }
    return samples;
}

bool WriteSound(const Stringc& path, const std::vector<int16_t>& samples) {
    MemStream wav(kStreamWriteBinary);
    const uint32_t bytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    FileStream file;
    const bool written = MakeDirectories(path) &&
                         WriteWav(wav, WavFormat{1, 16, kDemoSoundRate}, samples.data(), bytes) &&
                         file.Open(path.c_str(), kStreamWriteBinary) && wav.SaveAll(file);
    return ReportWritten(written, path);
}
