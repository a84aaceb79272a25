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

// A chunk: its four-letter id, the length of its body, the body.
inline std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> out(id, id + 4);
    PutLe(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline std::vector<uint8_t> Riff(const std::vector<std::vector<uint8_t>>& chunks) {
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E'};
    for (const auto& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body);
}

// A format chunk's body; ADPCM formats carry their extra fields after it.
inline std::vector<uint8_t> Format(int encoding, int channels, int blockAlign, int bits,
                                   const std::vector<uint8_t>& extra = {}, int rate = 22050) {
    std::vector<uint8_t> out;
    PutLe(out, static_cast<uint32_t>(encoding), 2);
    PutLe(out, static_cast<uint32_t>(channels), 2);
    PutLe(out, static_cast<uint32_t>(rate), 4);
    PutLe(out, static_cast<uint32_t>(rate * blockAlign), 4);
    PutLe(out, static_cast<uint32_t>(blockAlign), 2);
    PutLe(out, static_cast<uint32_t>(bits), 2);
    out.insert(out.end(), extra.begin(), extra.end());
    return out;
}

// A canonical PCM RIFF WAVE file: 44-byte header, then the data.
inline std::vector<uint8_t> WavBytes(int rate, int channels, int bits,
                                     const std::vector<uint8_t>& data) {
    const std::vector<uint8_t> format = Format(1, channels, channels * bits / 8, bits, {}, rate);
    return Riff({Chunk("fmt ", format), Chunk("data", data)});
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
