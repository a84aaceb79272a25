#pragma once
// The demo world's sounds: short generated tones, written as 16-bit mono PCM ".wav".

#include "Library/core/stringc.h"

#include <cstdint>
#include <vector>

constexpr uint32_t kDemoSoundRate = 22050;

// A sine tone that dies away, so it sounds like a click rather than a beep.
std::vector<int16_t> Click(double frequency, double seconds);

// Makes the file's directories; false, with a message, when it cannot be written.
bool WriteSound(const Stringc& path, const std::vector<int16_t>& samples);
