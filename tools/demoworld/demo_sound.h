#pragma once
// The demo world's sounds: short generated tones, written as 16-bit mono PCM ".wav".

#include "Library/core/stringc.h"

#include <cstdint>
#include <vector>

constexpr uint32_t kDemoSoundRate = 22050;

// A sine tone that dies away, so it sounds like a click rather than a beep.
std::vector<int16_t> Click(double frequency, double seconds);
// A tone sliding from one pitch to another, rising and falling in loudness: a bird's call.
std::vector<int16_t> Chirp(double fromFrequency, double toFrequency, double seconds);
// Noise, the same for the same seed, smoothed by 0 (a hiss) to nearly 1 (a rumble), at an
// even loudness that fades in and out over fadeSeconds at each end.
std::vector<int16_t> Noise(double seconds, double smoothing, double amplitude, double fadeSeconds,
                           unsigned seed);

// Makes the file's directories; false, with a message, when it cannot be written.
bool WriteSound(const Stringc& path, const std::vector<int16_t>& samples);
