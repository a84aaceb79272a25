#pragma once
// The one 16-bit video surface and everything that draws on it directly: the pixel
// layout, seven font slots and text, lines, rectangles and boxes within g_clipRect,
// and the fade between game modes.

#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/surface_ptr.h"

#include <SDL/SDL.h>

#include <cstdarg>
#include <cstdint>
#include <memory>

class DateTime;
class Font;
class Stringc;

class Screen {
public:
    static constexpr int kFontCount = 7;
    static constexpr int kFadeSteps = 15;

    Screen(int width, int height, uint32_t flags, int bpp, double gamma);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool IsReady() const { return m_ready; }
    bool OpenFonts(); // every slot "Cour.ttf" at 12 points; false at the first failure

    void GetSurfaceRect(); // refreshes the pixel record from the video surface
    const PixelSurface& GetSurface() const { return m_surface; }
    SDL_Surface* GetVideoSurface() const { return m_videoSurface; }
    int GetPixelFormat() const { return m_pixelFormat; }
    void Flip();
    bool SaveScreenshot(const char* fileName) const; // the video surface as a ".bmp"

    // Corners clamped to the surface; also sets g_graphicClipRect and SDL's clip.
    void SetClipRect(int x1, int y1, int x2, int y2);
    void SetClipRectFrom(const Rect& rect);
    void ResetClipRect() { SetClipRect(0, 0, m_surface.width, m_surface.height); } // whole surface

    void StartFade(int direction, uint32_t now = SDL_GetTicks()); // 0 out, 1 in
    bool IsFading() const { return m_fadeStep < m_fadeSteps; }
    void UpdateFade(uint32_t now = SDL_GetTicks()); // at most one step per call
    float GetFadeLevel() const { return m_fadeLevel; }

    // Text, in the current font, on the video surface.
    void SetFont(int slot); // 0-6; anything else ignored
    void DrawText(int x, int y, const Stringc& text);
    void Printf(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));
    void PrintfCentered(int x, int y, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    void DrawTextCentered(int x, int y, const Stringc& text);
    int TextWidth(const char* text) const;
    int FontHeight() const { return 14; } // whatever the font
    int LineSkip() const;
    // Fill the chain of lines with one string per line; return the line count.
    int WrapText(const Stringc& text, int maxWidth, Stringc& lines) const;
    int WrapTextByChar(const Stringc& text, int maxWidth, Stringc& lines) const;
    // The debug read-out of a date: the time of day, and the date one text line lower.
    void PrintDateTime(int x, int y, const DateTime& time);
    void DrawTextBox(int x, int y, const Stringc& text, int boxMode, int r, int g, int b);
    void DrawTextBoxAt(int x, int y, const Stringc& text, int r, int g, int b);

    // Shapes in the drawing colour, clipped to g_clipRect unless said otherwise.
    void SetDrawColour(uint16_t colour) { m_drawColour = colour; }
    uint16_t GetDrawColour() const { return m_drawColour; }
    void Clear();                                       // whole surface, no clipping
    void DrawLine(int x1, int y1, int x2, int y2);      // both end points drawn
    void DrawLineFixed(int x1, int y1, int x2, int y2); // fixed-point stepping
    void DrawRect(int x1, int y1, int x2, int y2);
    void DrawRectFrom(const Rect& rect) { DrawRect(rect.x1, rect.y1, rect.x2, rect.y2); }
    void FillRect(int x1, int y1, int x2, int y2); // right and bottom edges excluded
    void FillRectColour(const Rect& rect) { FillRect(rect.x1, rect.y1, rect.x2, rect.y2); }
    // Mode 0 keeps 3/4 of the screen, 1 half, 2 a quarter; 3 is FillRect.
    void DrawBox(int boxMode, int x1, int y1, int x2, int y2);
    void FillRectStipple(int x1, int y1, int x2, int y2); // checkerboard from the corner
    void ClipOutcode(int x, int y, bool out[4]) const;    // left, above, right, below
    // Clipped to the surface only.
    void HorizontalSpan(int y, int x1, int x2); // x1 to x2 - 1
    void VerticalSpan(int x, int y1, int y2);   // y1 to y2 inclusive
    void DrawPointerGlyph(int x, int y);

    // Any SDL surface of 1 to 4 bytes per pixel.
    static uint32_t GetPixel(SDL_Surface* surface, int x, int y);
    static void PutPixel(SDL_Surface* surface, int x, int y, uint32_t value);
    // First palette entry equal to the colour; -1 without a match or an 8-bit palette.
    static int FindPaletteIndex(const SDL_PixelFormat* format, int r, int g, int b);

    // Writes directory/base.tga from an image SDL_image reads, unless it exists.
    bool ConvertImageToTga(const char* path);

private:
    void PrintVideoModes() const;
    void PrintSurfaceReport() const;
    bool ChoosePixelFormat();
    void Plot(int x, int y) { m_surface.pixels[y * m_surface.width + x] = m_drawColour; }
    void FillRow(int y, int x1, int x2); // x1..x2 - 1, already clipped
    void DrawStraightLine(int x1, int y1, int x2, int y2);
    template <class Slanted> void DrawClippedLine(int x1, int y1, int x2, int y2, Slanted slanted);
    void DrawFixedSteps(int x1, int y1, int x2, int y2);
    void DrawFormatted(int x, int y, bool centred, const char* format, va_list args);

    PixelSurface m_surface;
    SDL_Surface* m_videoSurface = nullptr;
    SurfacePtr m_icon;
    Font* m_currentFont = nullptr;
    std::unique_ptr<Font> m_fonts[kFontCount];
    int m_pixelFormat = 0;
    uint16_t m_drawColour = 0xFFFF;
    int m_bpp = 0;
    bool m_ready = false;
    bool m_ttfStarted = false;
    int m_fadeDirection = 0;
    int m_fadeStep = 0;
    int m_fadeSteps = 0;
    uint32_t m_fadeNextTick = 0;
    uint32_t m_fadePeriod = 16;
    float m_fadeLevel = 0;
};

extern Screen* g_screen;
extern Rect g_clipRect; // inside when x1 <= x < x2 and y1 <= y < y2
// Fifty red, green, blue triplets, zero from before start-up; nothing reads or fills them.
extern uint8_t g_rgbTable[50][3];

// Palette entry with the least sum of squared differences (first on ties); 0 when empty.
int NearestPaletteEntry(const SDL_Color* palette, int count, int r, int g, int b);
