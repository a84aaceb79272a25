#pragma once
// Decodes a whole ".wav" (PCM or ADPCM) or ".ogg" (Vorbis) file, told apart by content,
// into the PCM the sound layer keeps: the file's own rate, channel count and width.

#include "platform/sound_layer.h"

#include <cstdint>
#include <vector>

namespace platform {

struct SoundPcm {
    int frequency = 0;
    int channels = 0; // 1 or 2, interleaved
    int bits = 0;     // 8 unsigned or 16 signed little-endian
    std::vector<uint8_t> bytes;

    int FrameBytes() const { return channels * bits / 8; }
    unsigned Frames() const { return static_cast<unsigned>(bytes.size() / FrameBytes()); }
};

// kSoundErrNone with the PCM filled in, or why the file could not be decoded.
FSoundError DecodeSoundFile(const char* path, SoundPcm& pcm);

} // namespace platform
