#pragma once
// The art of the item and people screens: the inventory, trade, character and dialogue
// windows with their buttons, and the boxes they open (quantity, confirmation).

#include "Library/core/stringc.h"

class Canvas;
class DataPaths;
class LabelFont;
struct WindowLayout;

class ItemScreensArt {
public:
    ItemScreensArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteInventory() const;
    bool WriteCharacterSheet() const;
    bool WriteDialogue() const;
    bool WriteTrade() const;
    bool WriteBoxes() const;
    bool WriteWindow(const WindowLayout& layout, Canvas& canvas) const;
    // A sunken field; an item well holds icons with their counts, which are written in white.
    void Well(Canvas& canvas, int x1, int y1, int x2, int y2, const char* caption,
              bool items = false) const;
    void ExaminedItemWells(Canvas& canvas) const; // the inventory's and the trade's alike
    Stringc Interface(const char* name) const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
