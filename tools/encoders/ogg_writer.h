#pragma once
// The compressed sound form the game ships and converts on its first run.

#include <cstdint>
#include <string>
#include <vector>

// Encodes interleaved 16-bit PCM as an Ogg Vorbis file; false when the encoder refuses.
bool WriteOgg(const std::string& path, int rate, int channels, const std::vector<int16_t>& pcm);
