#pragma once
// The game's font for the labels the demo world draws on its art, opened at each point
// size asked for; TrueType rendering starts with the first one made.

#include "Library/core/stringc.h"

#include <SDL/SDL_ttf.h>

#include <map>

class LabelFont {
public:
    explicit LabelFont(const Stringc& path);
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

    bool IsReady() const { return m_started; }
    TTF_Font* At(int pointSize); // null when the font cannot be opened
    int TextWidth(int pointSize, const char* text);

private:
    Stringc m_path;
    bool m_started;
    std::map<int, TTF_Font*> m_sizes;
};
