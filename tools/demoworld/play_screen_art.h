#pragma once
// The play screen's art: its bars, the book of the story page, the level-up button, the
// side panels, the small splash pictures of the pages and the command boxes with their
// buttons.

#include "Library/core/stringc.h"

class DataPaths;
class LabelFont;

class PlayScreenArt {
public:
    PlayScreenArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteBars() const;
    bool WriteBook() const;
    bool WriteSmallSplashes() const;
    bool WriteCommandBoxes() const;
    Stringc Interface(const char* name) const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
