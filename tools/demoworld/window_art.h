#pragma once
// The art of a window described by its layout, drawn in the interface image directory:
// its background (a panel with its title, and a sunken box with its caption under each
// text field) and the image of every widget that names one (a button face with its label,
// or a radio button's selection ring) but those the shared interface art draws.

#include "Library/core/stringc.h"
#include "Library/graphics/colour.h"
#include "Source/screens/window_layout.h"
#include "tools/demoworld/canvas.h"

class LabelFont;

class WindowArt {
public:
    WindowArt(const Stringc& interfaceDir, LabelFont& font);

    // The background, for the caller to add to before saving it.
    Canvas DrawBackground(const WindowLayout& layout, const Colour& face);
    bool SaveBackground(const WindowLayout& layout, const Canvas& canvas);
    bool WriteWidgets(const WindowLayout& layout, const Colour& face);
    // Both of the above with a plain background.
    bool Write(const WindowLayout& layout, const Colour& face);

    bool WriteButton(const WidgetEntry& button, const Colour& face);
    bool WriteButton(const char* image, int width, int height, const char* label,
                     const Colour& face);
    bool WriteRadioRing(const WidgetEntry& radio);

private:
    Stringc PathOf(const char* image) const { return m_interfaceDir + "/" + image; }

    Stringc m_interfaceDir;
    LabelFont& m_font;
};
