#pragma once
// What every writer of the demo world shares: the message for a file that cannot be
// written, 8-bit palette bitmaps, the animations built from them, and scratch folders.

#include "Library/core/stringc.h"
#include "Library/graphics/surface_ptr.h"

#include <cstdint>
#include <functional>

class Entity;
class ScriptBuilder;
class Stream;

// Says "cannot write" with the path when not written; a file written is recorded in the
// demo world's written files, which refuse it when it was written before with other bytes.
bool ReportWritten(bool written, const Stringc& path);

// The file written whole by write through a temporary renamed into place, its directories
// made, and recorded; false, with the message, on failure.
bool WriteDemoFile(const Stringc& path, const std::function<bool(Stream&)>& write);

// The script's program at path, as WriteDemoFile does.
bool WriteScript(const ScriptBuilder& script, const Stringc& path);

// The entity template of the type and name, filled by fill, as WriteDemoFile does.
bool WriteTemplate(int type, const Stringc& name, const std::function<void(Entity&)>& fill);

// The surface as a ".bmp", its directories made; false, with the message, on failure.
bool SaveBitmap(SDL_Surface* surface, const Stringc& path);

// A width x height 8-bit bitmap of the palette, each pixel the index shade gives it.
bool SaveShadedBitmap(const Stringc& path, int width, int height, const SDL_Color* palette,
                      int count, const std::function<uint8_t(int x, int y)>& shade);

// The numbered bitmap of a directory that frame index of an animation is built from.
Stringc FramePath(const Stringc& folder, int index);

class PalettedFrame;

// A width x height 8-bit bitmap of the palette, filled with entry 0 (the transparent key)
// and then painted.
bool SavePaintedBitmap(const Stringc& path, int width, int height, const SDL_Color* palette,
                       int count, const std::function<void(PalettedFrame&)>& paint);

class Animation;

// Frame `frame` stands on the entity's position with pixel (x, y) of its bitmap.
void StandFrameOn(Animation& animation, int frame, int x, int y);

// An ".ani" at path built from the numbered bitmaps of a directory, frames of
// sequences x frameCount shown durationMs each, tuned further before it is written;
// magenta is its transparent colour.
bool WriteAnimationFromBitmaps(const Stringc& bitmapDir, int sequences, int frameCount,
                               uint32_t durationMs, const Stringc& path,
                               const std::function<void(Animation&)>& tune = {});
