#pragma once
// A value between 0 and a maximum shown as a bar drawn straight on the Screen. This base
// holds the geometry, value, colours and text settings; the variants draw.

#include "Library/core/stringc.h"
#include "Library/graphics/screen_pos.h"

#include <cstdint>

class Screen;

class Meter {
public:
    static constexpr int kHorizontal = 1; // fills from the left; 0 is vertical, from the bottom
    // Styles: 0 bar only, 1 the empty part in the back colour, 2 and 3 a frame around the bar.
    static constexpr int kStyleBackFill = 1;
    static constexpr int kDefaultStep = 8;

    Meter() { Meter::Reset(); }
    // Orientation & 3, then the length along it and the maximum.
    Meter(int x, int y, int length, int max, int orientation);
    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;
    virtual ~Meter() = default;

    // Bottom, half width, half height, left and centre y from the position record.
    virtual void Layout();
    // Unplaced, empty, horizontal, no text, white bar on black; the text format stays.
    virtual void Reset();
    virtual void SetMax(int max);       // the value is clamped again
    virtual void SetLength(int length); // the side along the orientation; the other becomes 1
    virtual void SetValue(int value);   // a negative value is ignored; above max, max
    virtual void SetOrientation(int orientation);
    virtual void Draw(Screen&) {} // the base draws nothing

    void SetPosition(int x, int y) {
        m_pos.x = x;
        m_pos.y = y;
    }
    void SetThickness(int thickness); // the side across the orientation
    void SetStyle(int style) { m_style = style & 3; }
    void SetStep(int step) { m_step = step; }
    void ShowText() { m_showText = true; }
    void HideText() { m_showText = false; }
    void SetTextMode(int mode) { m_textMode = mode & 7; }
    void SetTextFormat(int format) { m_textFormat = format & 7; }
    void SetLabel(const Stringc& label); // and shows the text

    // Colours are 16-bit pixels; the RGB forms pack for the current pixel format.
    void SetColours(uint16_t bar, uint16_t back) {
        m_barColour = bar;
        m_backColour = back;
    }
    void SetBarColour(uint16_t colour) { m_barColour = colour; }
    void SetBackColour(uint16_t colour) { m_backColour = colour; }
    void SetTextColour(uint16_t colour) { m_textColour = colour; }
    void SetBarColourRGB(int r, int g, int b) { m_barColour = Pack(r, g, b); }
    void SetBackColourRGB(int r, int g, int b) { m_backColour = Pack(r, g, b); }
    void SetTextColourRGB(int r, int g, int b) { m_textColour = Pack(r, g, b); }

    const ScreenPos& GetPos() const { return m_pos; }
    int GetValue() const { return m_value; }
    int GetOrientation() const { return m_orientation; }
    int GetTextFormat() const { return m_textFormat; }
    bool IsTextShown() const { return m_showText; }
    uint16_t GetBarColour() const { return m_barColour; }
    uint16_t GetBackColour() const { return m_backColour; }
    int GetCentreY() const { return m_centreY; } // as of the last Layout

protected:
    static uint16_t Pack(int r, int g, int b);
    // A rounded corner of radius 8 centred on (x, y), in the drawing colour.
    static void DrawCorner(Screen& screen, int x, int y, int quadrants);

    ScreenPos m_pos;
    int m_max = 0;
    int m_value = 0;
    int m_length = 0;
    int m_textMode = 0;
    int m_textFormat = 0;
    int m_style = 0;
    int m_orientation = kHorizontal;
    bool m_showText = false;
    Stringc m_label;
    uint16_t m_barColour = 0xFFFF;
    uint16_t m_backColour = 0;
    uint16_t m_textColour = 0xFFFF;
    int m_step = kDefaultStep;
    // Derived by Layout.
    int m_bottom = 0;
    int m_halfHeight = 0;
    int m_halfWidth = 0;
    int m_left = 0;
    int m_centreY = 0;
};
