#pragma once
// What the image targets share: the screen's pixel layout, a loaded picture drawn in the
// blit modes that walk its rows differently, and the art their seeds are made of.

#include "Library/graphics/surface_ptr.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class Animation;
struct Colour;
class Graphic;

// The pixel layout of the screen, chosen by the input (its length's parity), so both
// layouts' conversions are reached; the image decoding buffer made once.
void UseImageLayoutFor(size_t inputSize);

// The input read as a picture of the extension's type (plain or encoded, by the input's
// length) and drawn every way, then its size read from the file's header as the tile
// editor does; false when the header gives no size.
bool ReadAndDraw(const uint8_t* data, size_t size, const char* extension, int& width, int& height);

// Draws the graphic at the corners and the middle of a small surface, copied, mirrored,
// blended and outlined, and finds its opaque bounds.
void DrawEveryWay(Graphic& graphic);

// A plain picture of a pattern with a transparent (key-coloured) border and hole, in the
// current layout; encoded into run-length rows when asked.
void MakePattern(Graphic& graphic, int width, int height, bool encode);

// An 8-bit palette frame whose colour key, index 0, rims a block placed by variant, with a
// hole in it; wide ones need rows of several runs.
SurfacePtr MakeFrame8(int width, int height, int variant);

// An ".ani" as our writer stores it: sequences of frames from MakeFrame8, with offsets,
// durations, trigger frames and a palette.
std::string StoredAnimation(int sequences, int frames);

// Whether a player could show the animation without a frame surface past pixels in area.
bool FitsPlayer(const Animation& animation, long pixels);

// A 16-bit ".tga" of the size written at path, each pixel in the colour given for it.
bool WriteTgaImage(const std::string& path, int width, int height,
                   const std::function<Colour(int x, int y)>& colour);
