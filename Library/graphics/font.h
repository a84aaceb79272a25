#pragma once
// One TrueType font slot of the screen: the face, how it renders and its colours.

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <memory>
#include <string>
#include <vector>

class Font {
public:
    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Directories searched in order for a font file: the data root's "fonts", then
    // the system's. A font from the second one draws 2 pixels higher.
    static std::vector<std::string> SearchDirectories();

    bool Open(int pointSize, const char* fileName, int renderMode); // 0 shaded, else solid
    bool IsOpen() const { return m_font != nullptr; }
    void SetForeground(Uint8 r, Uint8 g, Uint8 b) { m_foreground = SDL_Color{r, g, b, 0}; }
    void SetBackground(Uint8 r, Uint8 g, Uint8 b) { m_background = SDL_Color{r, g, b, 0}; }

    void Render(SDL_Surface* target, int x, int y, const char* text) const;
    int TextWidth(const char* text) const; // 0 when closed or unmeasurable
    int LineSkip() const;
    int GlyphAdvance(char c) const;
    int GlyphInkWidth(char c) const; // maxx - minx

private:
    struct FontClose {
        void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
    };
    // False when the font is closed or has no metrics for the glyph.
    bool GlyphMetrics(char c, int& minx, int& maxx, int& advance) const;

    bool m_fromSecondDirectory = false;
    std::unique_ptr<TTF_Font, FontClose> m_font;
    int m_renderMode = 0;
    SDL_Color m_foreground{255, 255, 255, 0};
    SDL_Color m_background{0, 0, 0, 0};
};
