#pragma once
// The title menu's art: the splash picture, the title symbol in two sizes, the menu picture
// and its buttons; the editor menu with its buttons. A failed transition's box is a
// message box of the shared interface art.

#include "Library/core/stringc.h"

class DataPaths;
class LabelFont;

class MenuArt {
public:
    MenuArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteSplash() const;
    bool WriteTitleSymbols() const;
    bool WriteTitleMenu() const;
    bool WriteEditorMenu() const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
