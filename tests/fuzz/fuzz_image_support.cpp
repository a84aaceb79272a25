#include "fuzz/fuzz_image.h"

#include "Library/files/file_stream.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_format.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kSide = 48;
constexpr long kMaxCroppedPixels = 1L << 20; // cropping copies the whole picture

} // namespace

void UseImageLayoutFor(size_t inputSize) {
    g_pixelFormat = inputSize % 2 == 0 ? kPixelFormat565 : kPixelFormat555;
    SetColourKeys();
    SetColourKeyForVideoMode();
    static const bool scratch = Graphic::InitScratch();
    (void)scratch;
}

bool ReadAndDraw(const uint8_t* data, size_t size, const char* extension, int& width, int& height) {
    UseImageLayoutFor(size);
    const std::string name = std::string("fuzz") + extension;
    FuzzInput input(data, size);
    Graphic graphic;
    if (graphic.ReadFromStream(input, name.c_str(), size % 4 < 2))
        DrawEveryWay(graphic);
    return Graphic::ReadImageSize(FuzzFile(name.c_str(), data, size).c_str(), width, height);
}

void DrawEveryWay(Graphic& graphic) {
    std::vector<uint16_t> pixels(kSide * kSide);
    const PixelSurface surface{pixels.data(), kSide, kSide, kSide};
    const BlitStateScope saved;
    g_graphicClipRect = Rect::Make(0, 0, kSide, kSide);
    const int w = graphic.GetWidth(), h = graphic.GetHeight();
    for (const int mode : {0, 1, 9, 11, 12}) {
        Graphic::SetBlitMode(mode);
        graphic.Draw(surface, 0, 0);
        graphic.Draw(surface, kSide / 2 - w / 2, kSide / 2 - h / 2);
        graphic.Draw(surface, kSide - w + 1, kSide - h + 1);
        graphic.Draw(surface, -w + 1, -h + 1);
    }
    graphic.DrawRegion(surface, w / 4, h / 4, w / 2, h / 2, 3, 5);
    graphic.IsOpaqueAt(w / 2, h / 2);
    graphic.IsOpaqueAt(w, h - 1);
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    graphic.GetOpaqueBounds(x1, y1, x2, y2);
    if (static_cast<long>(w) * h <= kMaxCroppedPixels) {
        int x = 0, y = 0;
        graphic.CropToOpaque(x, y);
        Graphic::SetBlitMode(0);
        graphic.Draw(surface, x, y);
    }
}

void MakePattern(Graphic& graphic, int width, int height, bool encode) {
    graphic.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool clear = x == 0 || y == height - 1 || (x == width / 2 && y == height / 2);
            graphic.SetPixel(x, y, clear ? g_colourKey : static_cast<uint16_t>(x * 2111 + y * 37));
        }
    if (encode)
        graphic.Encode();
}

SurfacePtr MakeFrame8(int width, int height, int variant) {
    SurfacePtr frame = MakeSurface8(width, height);
    if (!frame)
        return frame;
    SDL_Color palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = {static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>(i * 7),
                      0};
    SDL_SetColors(frame.get(), palette, 0, 256);
    SDL_SetColorKey(frame.get(), SDL_SRCCOLORKEY, 0);
    SDL_LockSurface(frame.get());
    auto* pixels = static_cast<uint8_t*>(frame->pixels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool inside = x >= variant % 3 + 1 && x < width - 1 && y >= variant % 2 + 1 &&
                                y < height - 1 && (x + y) % 11 != variant % 11;
            pixels[y * frame->pitch + x] = inside ? static_cast<uint8_t>(1 + (x * 7 + y) % 254) : 0;
        }
    SDL_UnlockSurface(frame.get());
    return frame;
}

std::string StoredAnimation(int sequences, int frames) {
    static int made = 0;
    const std::string directory = FuzzDirectory("bitmaps/set" + std::to_string(made++));
    for (int variant = 0; variant < sequences * frames; ++variant) {
        const SurfacePtr bitmap = MakeFrame8(6 + variant % 5, 4 + variant % 3, variant);
        const std::string file = directory + "/f" + std::to_string(10 + variant) + ".bmp";
        if (SDL_SaveBMP(bitmap.get(), file.c_str()) != 0)
            return "";
    }
    Animation animation;
    if (!animation.CreateFromBitmaps(directory.c_str(), sequences, 0))
        return "";
    for (int frame = 0; frame < frames; ++frame) {
        animation.SetFrameInfo(frame, frame * 1.5f, -2.0f, 0.25f);
        animation.SetFrameDuration(frame, 100 + 10 * static_cast<uint32_t>(frame));
    }
    animation.SetTriggerFrameA(static_cast<uint32_t>(frames / 2));
    animation.SetTriggerFrameB(static_cast<uint32_t>(frames - 1));
    return WrittenBytes([&](Stream& stream) { return animation.Write(stream); });
}

bool FitsPlayer(const Animation& animation, long pixels) {
    long width = 0, height = 0;
    for (int sequence = 0; sequence < animation.GetSequenceCount(); ++sequence)
        for (int frame = 0; frame < animation.GetFrameCount(); ++frame)
            if (const EncodedFrame* image = animation.GetFrameImage(sequence, frame)) {
                width = std::max<long>(width, image->GetWidth());
                height = std::max<long>(height, image->GetHeight());
            }
    return width * height <= pixels;
}

bool WriteTgaImage(const std::string& path, int width, int height,
                   const std::function<Colour(int x, int y)>& colour) {
    Graphic image;
    if (!image.Create(width, height))
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, colour(x, y).Pack16());
    return FileStream::WriteReplacing(path.c_str(),
                                      [&image](Stream& out) { return image.WriteTga(out); });
}
