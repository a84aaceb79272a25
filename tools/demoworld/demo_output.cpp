#include "tools/demoworld/demo_output.h"

#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/animation.h"
#include "tools/demoworld/paletted_frame.h"
#include "tools/scriptbuilder/script_builder.h"
#include "tools/templatewriter/template_writer.h"
#include "tools/writtenfiles/written_files.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMagentaKey = 6;      // the key choice that makes magenta transparent
constexpr float kUnitWidth = 16.0f; // pixels of one world unit
constexpr float kUnitHeight = 12.0f;

// An 8-bit surface whose first entries are the palette's, the rest black; null when SDL
// cannot make one.
SurfacePtr MakePalettedSurface(int width, int height, const SDL_Color* palette, int count) {
    SurfacePtr surface = MakeSurface8(width, height);
    if (!surface)
        return surface;
    SDL_Color colours[256] = {};
    std::copy(palette, palette + std::min(count, 256), colours);
    SDL_SetColors(surface.get(), colours, 0, 256);
    return surface;
}

} // namespace

bool ReportWritten(bool written, const Stringc& path) {
    if (!written)
        std::fprintf(stderr, "demoworld: cannot write %s\n", path.c_str());
    return written && WrittenFiles::Demo().Record(path);
}

bool WriteDemoFile(const Stringc& path, const std::function<bool(Stream&)>& write) {
    return ReportWritten(MakeDirectories(path) && FileStream::WriteReplacing(path.c_str(), write),
                         path);
}

bool WriteScript(const ScriptBuilder& script, const Stringc& path) {
    return ReportWritten(script.WriteFile(path), path);
}

bool WriteTemplate(int type, const Stringc& name, const std::function<void(Entity&)>& fill) {
    return TemplateWriter::Write(type, name, fill) &&
           WrittenFiles::Demo().Record(TemplateWriter::PathOf(type, name));
}

bool SaveBitmap(SDL_Surface* surface, const Stringc& path) {
    return ReportWritten(
        surface && MakeDirectories(path) && SDL_SaveBMP(surface, path.c_str()) == 0, path);
}

Stringc FramePath(const Stringc& folder, int index) {
    char name[24];
    std::snprintf(name, sizeof name, "/f%03d.bmp", index);
    return folder + name;
}

bool SavePaintedBitmap(const Stringc& path, int width, int height, const SDL_Color* palette,
                       int count, const std::function<void(PalettedFrame&)>& paint) {
    const SurfacePtr bitmap = MakePalettedSurface(width, height, palette, count);
    if (!bitmap)
        return false;
    SDL_FillRect(bitmap.get(), nullptr, 0);
    PalettedFrame frame(bitmap.get());
    paint(frame);
    return SaveBitmap(bitmap.get(), path);
}

bool SaveShadedBitmap(const Stringc& path, int width, int height, const SDL_Color* palette,
                      int count, const std::function<uint8_t(int x, int y)>& shade) {
    return SavePaintedBitmap(path, width, height, palette, count, [&](PalettedFrame& frame) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                frame.Put(x, y, shade(x, y));
    });
}

void StandFrameOn(Animation& animation, int frame, int x, int y) {
    animation.SetFrameInfo(frame, -x / kUnitWidth, -y / kUnitHeight, 0.0f);
}

bool WriteAnimationFromBitmaps(const Stringc& bitmapDir, int sequences, int frameCount,
                               uint32_t durationMs, const Stringc& path,
                               const std::function<void(Animation&)>& tune) {
    Animation animation;
    if (!animation.CreateFromBitmaps(bitmapDir.c_str(), sequences, kMagentaKey))
        return false;
    for (int frame = 0; frame < frameCount; ++frame)
        animation.SetFrameDuration(frame, durationMs);
    if (tune)
        tune(animation);
    FileStream file;
    return ReportWritten(MakeDirectories(path) && file.Open(path.c_str(), kStreamWriteBinary) &&
                             animation.Write(file),
                         path);
}
