#pragma once
// PCM RIFF WAVE, little-endian, 44 bytes before the samples:
//   "RIFF" u32 (data bytes + 36) "WAVE"
//   "fmt " u32 16, u16 1 (PCM), u16 channels, u32 rate, u32 bytes per second,
//          u16 bytes per frame, u16 bits per sample
//   "data" u32 data bytes, then the samples (8-bit unsigned or 16-bit signed)

#include <cstdint>

class Stream;

constexpr uint32_t kWavHeaderBytes = 44;

struct WavFormat {
    uint16_t channels = 1;
    uint16_t bits = 16;
    uint32_t rate = 22050;
};

// False at the first failed write.
bool WriteWav(Stream& target, const WavFormat& format, const void* samples, uint32_t dataBytes);
