#include "platform/wav_layout.h"

#include <cstring>

namespace platform {

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kMsAdpcm = 2;
constexpr uint16_t kImaAdpcm = 0x11;
constexpr uint32_t kBasicFormatSize = 16;
constexpr uint32_t kImaFormatSize = 20; // the basic fields, extra size, samples per block
constexpr uint32_t kMsFormatSize = 50;  // ... and seven predictor coefficient pairs
constexpr int kMsPredictors = 7;
constexpr int kImaLastStepIndex = 88;
constexpr uint64_t kMaxDecodedBytes = UINT32_MAX;

uint16_t Le16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t Le32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0] | at[1] << 8 | at[2] << 16) | static_cast<uint32_t>(at[3])
                                                                         << 24;
}

struct Chunk {
    const uint8_t* body = nullptr;
    uint32_t length = 0;

    bool Is(const char* id) const { return std::memcmp(body - 8, id, 4) == 0; }
};

// The chunk at the offset, which then moves past it; false when it overruns the file.
bool NextChunk(const uint8_t* file, size_t size, size_t& offset, Chunk& chunk) {
    if (size - offset < 8)
        return false;
    chunk.body = file + offset + 8;
    chunk.length = Le32(file + offset + 4);
    if (chunk.length > size - offset - 8)
        return false;
    offset += 8 + chunk.length;
    return true;
}

// Each block holds the samples the format claims, and every header byte the decoder looks
// a table up with is inside its table.
bool AdpcmBlocksFit(const Chunk& format, const Chunk& data) {
    const uint16_t encoding = Le16(format.body);
    const int channels = Le16(format.body + 2);
    const uint32_t blockAlign = Le16(format.body + 12);
    const uint32_t samplesPerBlock = Le16(format.body + 18);
    if (encoding == kImaAdpcm && channels > 2)
        return true; // the decoder refuses these before it decodes
    if (channels < 1 || channels > 2 || blockAlign == 0)
        return false;
    const uint32_t blocks = data.length / blockAlign;
    if (uint64_t{blocks} * samplesPerBlock * channels * 2 > kMaxDecodedBytes)
        return false;
    if (encoding == kMsAdpcm) {
        // Per channel a header of predictor, delta and two samples, then a nibble a sample.
        if (samplesPerBlock < 2 || (samplesPerBlock - 2) * channels % 2 != 0 ||
            7u * channels + (samplesPerBlock - 2) * channels / 2 > blockAlign)
            return false;
        for (uint32_t block = 0; block < blocks; ++block)
            for (int c = 0; c < channels; ++c)
                if (data.body[block * blockAlign + c] >= kMsPredictors)
                    return false;
        return true;
    }
    // Per channel a header of sample and step index, then words of eight nibbles.
    if (samplesPerBlock < 1 || (samplesPerBlock - 1) % 8 != 0 ||
        4u * channels + (samplesPerBlock - 1) / 2 * channels > blockAlign)
        return false;
    for (uint32_t block = 0; block < blocks; ++block)
        for (int c = 0; c < channels; ++c)
            if (data.body[block * blockAlign + 4 * c + 2] > kImaLastStepIndex)
                return false;
    return true;
}

} // namespace

bool WavLayoutFits(const uint8_t* file, size_t size) {
    if (size < 12 || std::memcmp(file, "RIFF", 4) != 0 || std::memcmp(file + 8, "WAVE", 4) != 0)
        return false;
    size_t offset = 12;
    Chunk format;
    do {
        if (!NextChunk(file, size, offset, format))
            return false;
    } while (format.Is("fact") || format.Is("LIST"));
    if (!format.Is("fmt ") || format.length < kBasicFormatSize)
        return false;
    Chunk data;
    do {
        if (!NextChunk(file, size, offset, data))
            return false;
    } while (!data.Is("data"));
    switch (Le16(format.body)) {
    case kPcm:
        return true;
    case kMsAdpcm:
        return format.length >= kMsFormatSize && AdpcmBlocksFit(format, data);
    case kImaAdpcm:
        return format.length >= kImaFormatSize && AdpcmBlocksFit(format, data);
    default:
        return true; // refused by the reader from the format's first field
    }
}

} // namespace platform
