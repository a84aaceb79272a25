#include "Library/graphics/font.h"

#include "Library/files/data_paths.h"
#include "Library/graphics/surface_ptr.h"
#include "platform/case_path.h"
#include "platform/win_io.h"

#include <cstdio>

std::vector<std::string> Font::SearchDirectories() {
    // Before the data paths exist their root-to-be is the working directory.
    char workingDirectory[500];
    const std::string dataRoot = g_dataPaths ? g_dataPaths->GetRootDir().c_str()
                                 : _getcwd(workingDirectory, sizeof workingDirectory)
                                     ? workingDirectory
                                     : ".";
    return {dataRoot + "/fonts/", "/usr/share/fonts/", "/usr/local/share/fonts/"};
}

bool Font::Open(int pointSize, const char* fileName, int renderMode) {
    const std::vector<std::string> directories = SearchDirectories();
    std::string path;
    for (size_t i = 0; i < directories.size() && path.empty(); ++i) {
        struct stat info;
        const std::string candidate = platform::ResolvePath((directories[i] + fileName).c_str());
        if (_stat(candidate.c_str(), &info) == 0) {
            path = candidate;
            m_fromSecondDirectory = i == 1;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "Couldn't find font %s: %s\n", fileName, SDL_GetError());
        return false;
    }
    m_renderMode = renderMode;
    m_font.reset(TTF_OpenFont(path.c_str(), pointSize));
    if (!m_font) {
        std::fprintf(stderr, "Couldn't load %d pt font from %s: %s\n", pointSize, fileName,
                     SDL_GetError());
        return false;
    }
    TTF_SetFontStyle(m_font.get(), TTF_STYLE_NORMAL);
    return true;
}

void Font::Render(SDL_Surface* target, int x, int y, const char* text) const {
    if (!m_font || !target || !text || !*text)
        return;
    if (m_fromSecondDirectory)
        y -= 2;
    const SurfacePtr rendered(
        m_renderMode == 0 ? TTF_RenderText_Shaded(m_font.get(), text, m_foreground, m_background)
                          : TTF_RenderText_Solid(m_font.get(), text, m_foreground));
    if (!rendered)
        return;
    SDL_Rect place{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(rendered.get(), nullptr, target, &place);
}

int Font::TextWidth(const char* text) const {
    int width = 0, height = 0;
    if (!m_font || !text || TTF_SizeText(m_font.get(), text, &width, &height) != 0)
        return 0;
    return width;
}

int Font::LineSkip() const {
    return m_font ? TTF_FontLineSkip(m_font.get()) : 0;
}

bool Font::GlyphMetrics(char c, int& minx, int& maxx, int& advance) const {
    int miny = 0, maxy = 0;
    return m_font && TTF_GlyphMetrics(m_font.get(), static_cast<unsigned char>(c), &minx, &maxx,
                                      &miny, &maxy, &advance) == 0;
}

int Font::GlyphAdvance(char c) const {
    int minx = 0, maxx = 0, advance = 0;
    return GlyphMetrics(c, minx, maxx, advance) ? advance : 0;
}

int Font::GlyphInkWidth(char c) const {
    int minx = 0, maxx = 0, advance = 0;
    return GlyphMetrics(c, minx, maxx, advance) ? maxx - minx : 0;
}
