#pragma once
// Sound files for tests, put together byte by byte so that no code under test writes
// its own input.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace sound_fixtures {

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A canonical PCM RIFF WAVE file: 44-byte header, then the data.
inline std::vector<uint8_t> WavBytes(int rate, int channels, int bits,
                                     const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out;
    const uint32_t size = static_cast<uint32_t>(data.size());
    const uint32_t block = static_cast<uint32_t>(channels * bits / 8);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    PutLe(out, size + 36, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<uint32_t>(channels), 2);
    PutLe(out, static_cast<uint32_t>(rate), 4);
    PutLe(out, static_cast<uint32_t>(rate) * block, 4);
    PutLe(out, block, 2);
    PutLe(out, static_cast<uint32_t>(bits), 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLe(out, size, 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

inline std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> out;
    for (int16_t s : samples)
        PutLe(out, static_cast<uint16_t>(s), 2);
    return out;
}

// Interleaved square wave, every channel alike.
inline std::vector<int16_t> Square(int frames, int channels, int period, int16_t amplitude) {
    std::vector<int16_t> out;
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            out.push_back(f % period < period / 2 ? amplitude : static_cast<int16_t>(-amplitude));
    return out;
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

} // namespace sound_fixtures
