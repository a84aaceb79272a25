#pragma once
// The interface pictures that more than one window names: the message boxes' plates and
// buttons, the common push buttons and the tick of radios and toggles. A widget takes its
// picture's size, so each of these has one size and one look wherever it shows: it is
// drawn here once, and the windows' own art leaves it alone.

#include "Library/core/stringc.h"

class Canvas;
class DataPaths;
class LabelFont;

class SharedInterfaceArt {
public:
    static constexpr int kTickSize = 18; // the tick's box, square, on every screen

    SharedInterfaceArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

    static bool Owns(const char* image);
    // The empty box a radio or toggle stands on, seen while it is not ticked.
    static void DrawTickBox(Canvas& canvas, int x, int y);

private:
    bool WriteBoxes() const;
    bool WriteButtons() const;
    bool WriteTicks() const;
    Stringc Interface(const char* name) const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
