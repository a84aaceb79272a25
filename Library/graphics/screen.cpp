#include "Library/graphics/screen.h"

#include "Library/core/stringc.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/font.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_format.h"
#include "platform/case_path.h"
#include "platform/win_io.h"

#include <SDL/SDL_image.h>
#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <cstdio>

Screen* g_screen = nullptr;
Rect g_clipRect;
uint8_t g_rgbTable[50][3];

namespace {

constexpr const char* kCaption = "THE CIRRA VAULTANE";
constexpr const char* kIconName = "CirraVaultane.bmp";

} // namespace

Screen::Screen(int width, int height, uint32_t flags, int bpp, double gamma) {
    if (TTF_Init() < 0) {
        std::fprintf(stderr, "Couldn't initialize TTF: %s\n", SDL_GetError());
        return;
    }
    m_ttfStarted = true;
    m_surface.width = width;
    m_surface.height = height;
    m_bpp = bpp;
    PrintVideoModes();
    if (m_bpp == 0) {
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        m_bpp = info && info->vfmt->BitsPerPixel > 8 ? 16 : 8;
    }

    SDL_WM_SetCaption(kCaption, kIconName);
    if (SDL_RWops* file = SDL_RWFromFile(platform::ResolvePath(kIconName).c_str(), "rb")) {
        m_icon.reset(SDL_LoadBMP_RW(file, 1));
        if (m_icon)
            SDL_WM_SetIcon(m_icon.get(), nullptr);
    }

    m_videoSurface = SDL_SetVideoMode(width, height, m_bpp, flags);
    if (!m_videoSurface) {
        std::fprintf(stderr, "Couldn't set video mode: %s\n", SDL_GetError());
        return;
    }
    if (gamma != 0.0)
        SDL_SetGamma(static_cast<float>(gamma), static_cast<float>(gamma),
                     static_cast<float>(gamma));
    GetSurfaceRect();
    if (m_bpp == 16 && !ChoosePixelFormat())
        return;
    SetColourKeys();

    for (auto& font : m_fonts)
        font = std::make_unique<Font>();
    m_drawColour = 0xFFFF;
    SetClipRect(0, 0, width - 1, height - 1);
    m_fadeStep = m_fadeSteps = 0;
    m_ready = true;
    PrintSurfaceReport();
}

Screen::~Screen() {
    for (auto& font : m_fonts)
        font.reset();
    if (m_ttfStarted)
        TTF_Quit();
}

bool Screen::ChoosePixelFormat() {
    const SDL_PixelFormat* format = m_videoSurface->format;
    if (format->Rmask == 0x7C00 && format->Gmask == 0x03E0 && format->Bmask == 0x001F) {
        m_pixelFormat = kPixelFormat555;
    } else if (format->Rmask == 0xF800 && format->Gmask == 0x07E0 && format->Bmask == 0x001F) {
        m_pixelFormat = kPixelFormat565;
    } else {
        std::printf("Unsupported color type\n");
        return false;
    }
    g_pixelFormat = m_pixelFormat;
    return true;
}

void Screen::PrintVideoModes() const {
    std::printf("CHECKING AVAILABLE VIDEO MODES:\n");
    auto check = [](int width, int height, const char* title) {
        std::printf("%s", title);
        const int bpp = SDL_VideoModeOK(width, height, 16, SDL_HWSURFACE);
        if (bpp)
            std::printf("SDL Recommends %dx%d %d bpp\n", width, height, bpp);
        else
            std::printf("Mode not available\n");
    };
    check(640, 480, "Checking mode 640x480 16 bpp\n");
    check(800, 600, "Checking mode 800x600 16bpp\n");
    std::printf("\n");
}

void Screen::PrintSurfaceReport() const {
    std::printf("VIDEO SETTINGS:\n");
    std::printf("Width: %d\n", m_surface.width);
    std::printf("Height: %d\n", m_surface.height);
    std::printf("RealWidth: %d\n", m_surface.pitch);
    std::printf("Screen BPP: %d\n", m_bpp);
    if (m_bpp == 16)
        std::printf("Color type: %s\n", m_pixelFormat == kPixelFormat555 ? "555" : "565");
    std::printf("Display Surface:\n");
    const uint32_t flags = m_videoSurface->flags;
    if (flags & SDL_HWSURFACE)
        std::printf("Surface is stored in video memory\n");
    if (flags & SDL_FULLSCREEN)
        std::printf("Surface is full screen\n");
    if (flags & SDL_NOFRAME)
        std::printf("No window caption or edge frame\n");
    std::printf("\n");
}

void Screen::GetSurfaceRect() {
    if (!m_videoSurface)
        return;
    m_surface.width = m_videoSurface->w;
    m_surface.height = m_videoSurface->h;
    m_surface.pitch = m_videoSurface->pitch / 2;
    m_surface.pixels = static_cast<uint16_t*>(m_videoSurface->pixels);
}

void Screen::Flip() {
    if (m_videoSurface)
        SDL_Flip(m_videoSurface);
}

bool Screen::SaveScreenshot(const char* fileName) const {
    if (!m_videoSurface)
        return false;
    if (SDL_SaveBMP(m_videoSurface, fileName) == 0)
        return true;
    std::fprintf(stderr, "Couldn't save %s: %s\n", fileName, SDL_GetError());
    return false;
}

void Screen::SetClipRect(int x1, int y1, int x2, int y2) {
    auto clampTo = [](int value, int limit) {
        return static_cast<int16_t>(std::clamp(value, 0, limit));
    };
    g_clipRect = Rect{clampTo(x1, m_surface.width), clampTo(y1, m_surface.height),
                      clampTo(x2, m_surface.width), clampTo(y2, m_surface.height)};
    g_graphicClipRect = g_clipRect;
    if (m_videoSurface) {
        SDL_Rect sdlRect{g_clipRect.x1, g_clipRect.y1,
                         static_cast<Uint16>(std::abs(g_clipRect.x2 - g_clipRect.x1)),
                         static_cast<Uint16>(std::abs(g_clipRect.y2 - g_clipRect.y1))};
        SDL_SetClipRect(m_videoSurface, &sdlRect);
    }
}

void Screen::SetClipRectFrom(const Rect& rect) {
    SetClipRect(rect.x1, rect.y1, rect.x2, rect.y2);
}

void Screen::StartFade(int direction, uint32_t now) {
    m_fadeDirection = direction;
    m_fadeLevel = 0;
    m_fadeStep = 0;
    m_fadeSteps = kFadeSteps;
    m_fadePeriod = 16;
    m_fadeNextTick = now + m_fadePeriod;
}

void Screen::UpdateFade(uint32_t now) {
    if (!IsFading() || now < m_fadeNextTick)
        return;
    ++m_fadeStep;
    if (m_fadeStep < m_fadeSteps) {
        m_fadeLevel = static_cast<float>(m_fadeStep * 255.0 / m_fadeSteps);
        m_fadeNextTick = now + m_fadePeriod;
    } else if (m_fadeDirection == 0) {
        Clear();
    }
}

uint32_t Screen::GetPixel(SDL_Surface* surface, int x, int y) {
    const int bytes = surface->format->BytesPerPixel;
    const uint8_t* p =
        static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const uint16_t*>(p);
    case 3:
        return p[0] | p[1] << 8 | p[2] << 16;
    case 4:
        return *reinterpret_cast<const uint32_t*>(p);
    default:
        return 0;
    }
}

void Screen::PutPixel(SDL_Surface* surface, int x, int y, uint32_t value) {
    const int bytes = surface->format->BytesPerPixel;
    uint8_t* p = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
    case 1:
        *p = static_cast<uint8_t>(value);
        break;
    case 2:
        *reinterpret_cast<uint16_t*>(p) = static_cast<uint16_t>(value);
        break;
    case 3:
        p[0] = static_cast<uint8_t>(value);
        p[1] = static_cast<uint8_t>(value >> 8);
        p[2] = static_cast<uint8_t>(value >> 16);
        break;
    case 4:
        *reinterpret_cast<uint32_t*>(p) = value;
        break;
    }
}

int Screen::FindPaletteIndex(const SDL_PixelFormat* format, int r, int g, int b) {
    if (!format || format->BitsPerPixel != 8 || !format->palette)
        return -1;
    const SDL_Palette* palette = format->palette;
    for (int i = 0; i < palette->ncolors; ++i) {
        const SDL_Color& c = palette->colors[i];
        if (c.r == r && c.g == g && c.b == b)
            return i;
    }
    return -1;
}

int NearestPaletteEntry(const SDL_Color* palette, int count, int r, int g, int b) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        const long dr = palette[i].r - r, dg = palette[i].g - g, db = palette[i].b - b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return best;
}

bool Screen::OpenFonts() {
    static const SDL_Color kForegrounds[kFontCount] = {
        {255, 255, 255, 0}, {0, 0, 0, 0},     {255, 0, 0, 0},   {0, 255, 0, 0},
        {0, 0, 255, 0},     {255, 255, 0, 0}, {255, 128, 0, 0},
    };
    for (int slot = 0; slot < kFontCount; ++slot) {
        if (!m_fonts[slot] || !m_fonts[slot]->Open(12, "Cour.ttf", 1))
            return false;
        const SDL_Color& c = kForegrounds[slot];
        m_fonts[slot]->SetForeground(c.r, c.g, c.b);
    }
    SetFont(0);
    return true;
}

void Screen::SetFont(int slot) {
    if (slot >= 0 && slot < kFontCount && m_fonts[slot])
        m_currentFont = m_fonts[slot].get();
}

int Screen::TextWidth(const char* text) const {
    return m_currentFont ? m_currentFont->TextWidth(text) : 0;
}

int Screen::LineSkip() const {
    return m_currentFont ? m_currentFont->LineSkip() : 0;
}

void Screen::DrawFormatted(int x, int y, bool centred, const char* format, va_list args) {
    // Longer texts are cut at the buffer's end.
    static char buffer[2048];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    if (centred) {
        x -= TextWidth(buffer) / 2;
        y -= FontHeight() / 2;
    }
    if (m_currentFont)
        m_currentFont->Render(m_videoSurface, x, y, buffer);
}

void Screen::Printf(int x, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    DrawFormatted(x, y, false, format, args);
    va_end(args);
}

void Screen::PrintfCentered(int x, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    DrawFormatted(x, y, true, format, args);
    va_end(args);
}

bool Screen::ConvertImageToTga(const char* path) {
    struct stat info;
    if (!path || _stat(path, &info) != 0)
        return false;
    Stringc target(path);
    target.BackslashToSlash();
    target.StripExtension();
    target += ".tga";
    if (_stat(target.c_str(), &info) == 0)
        return true;

    SDL_Surface* image = IMG_Load(platform::ResolvePath(path).c_str());
    Graphic graphic;
    if (!image || !graphic.FromSurface(image))
        return false;
    return FileStream::WriteReplacing(target.c_str(),
                                      [&graphic](Stream& file) { return graphic.WriteTga(file); });
}
