#include "tools/demoworld/demo_sound.h"

#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/wav_writer.h"
#include "tools/demoworld/demo_output.h"

#include <algorithm>
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

std::vector<int16_t> Chirp(double fromFrequency, double toFrequency, double seconds) {
    const int frames = static_cast<int>(seconds * kDemoSoundRate);
    std::vector<int16_t> samples(static_cast<size_t>(frames));
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        const double along = static_cast<double>(i) / frames;
        phase += 2 * kPi * (fromFrequency + (toFrequency - fromFrequency) * along) / kDemoSoundRate;
        samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(9000.0 * std::sin(kPi * along) * std::sin(phase));
    }
    return samples;
}

std::vector<int16_t> Noise(double seconds, double smoothing, double amplitude, double fadeSeconds,
                           unsigned seed) {
    const int frames = static_cast<int>(seconds * kDemoSoundRate);
    const int fade = std::max(1, static_cast<int>(fadeSeconds * kDemoSoundRate));
    std::vector<int16_t> samples(static_cast<size_t>(frames));
    unsigned state = seed;
    double smoothed = 0;
    for (int i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state >> 8) / (1u << 24) * 2.0 - 1.0;
        smoothed = smoothing * smoothed + (1.0 - smoothing) * white;
        const double envelope =
            std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(frames - i) / fade});
        // Smoothing quietens noise; the gain brings it back to the asked loudness.
        const double gain = std::sqrt((1.0 + smoothing) / (1.0 - smoothing));
        samples[static_cast<size_t>(i)] = static_cast<int16_t>(
            std::clamp(amplitude * gain * envelope * smoothed, -32000.0, 32000.0));
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
