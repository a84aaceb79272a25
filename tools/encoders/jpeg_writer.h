#pragma once
// The compressed picture form the game ships and converts on its first run.

#include <string>

struct SDL_Surface;

// Writes the surface (any depth SDL can convert to 24-bit RGB) as a baseline JPEG of the
// given quality (1-100); false when it cannot be converted or written.
bool WriteJpeg(const std::string& path, SDL_Surface* surface, int quality);
