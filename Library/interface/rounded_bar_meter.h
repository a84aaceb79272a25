#pragma once
// A bar drawn as an outline with two rounded corners on one side and a 4-pixel fill strip
// along the open side. x is the bar's horizontal centre, y its top.

#include "Library/interface/meter.h"

class RoundedBarMeter : public Meter {
public:
    // End styles: which side is rounded.
    static constexpr int kEndRight = 0;
    static constexpr int kEndLeft = 1;
    static constexpr int kEndBottom = 2;
    static constexpr int kEndTop = 3;

    RoundedBarMeter() { RoundedBarMeter::Reset(); }
    RoundedBarMeter(int x, int y, int width, int height, int max, int orientation);

    // The corner centres and the bar length (less 2 steps across, 3 steps up), then the fill.
    void Layout() override;
    void Reset() override;
    void SetMax(int max) override;     // a maximum of 0 leaves the fill and layout alone
    void SetValue(int value) override; // kept as given, even above max
    void SetOrientation(int orientation) override; // moves the rounded end to fit
    void SetEndStyle(int style);
    void Draw(Screen& screen) override;
    // In the back colour: with the back-fill style the empty part (upright, from the top to
    // the length less amount; across, the strip from the fill to the length), with any other
    // style a frame 2 pixels outside the bar (across, only around the fill).
    void DrawBack(Screen& screen, int amount) const;

private:
    void DrawOutline(Screen& screen) const;
    void DrawValueText(Screen& screen) const;
    void DrawFill(Screen& screen) const;

    int m_arcY1 = 0;
    int m_arcY2 = 0;
    int m_arcX1 = 0;
    int m_arcX2 = 0;
    int m_filled = 0; // pixels
    int m_endStyle = kEndLeft;
};
