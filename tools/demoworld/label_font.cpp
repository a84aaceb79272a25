#include "tools/demoworld/label_font.h"

#include <cstdio>

LabelFont::LabelFont(const Stringc& path) : m_path(path), m_started(TTF_Init() == 0) {
    if (!m_started)
        std::fprintf(stderr, "demoworld: no TrueType rendering: %s\n", TTF_GetError());
}

LabelFont::~LabelFont() {
    for (auto& [size, font] : m_sizes)
        TTF_CloseFont(font);
    if (m_started)
        TTF_Quit();
}

TTF_Font* LabelFont::At(int pointSize) {
    if (!m_started)
        return nullptr;
    const auto found = m_sizes.find(pointSize);
    if (found != m_sizes.end())
        return found->second;
    TTF_Font* font = TTF_OpenFont(m_path.c_str(), pointSize);
    if (!font) {
        std::fprintf(stderr, "demoworld: cannot open %s: %s\n", m_path.c_str(), TTF_GetError());
        return nullptr;
    }
    m_sizes[pointSize] = font;
    return font;
}

int LabelFont::TextWidth(int pointSize, const char* text) {
    TTF_Font* font = At(pointSize);
    int width = 0;
    int height = 0;
    return font && TTF_SizeText(font, text, &width, &height) == 0 ? width : -1;
}
