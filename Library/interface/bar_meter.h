#pragma once
// The proportional bar: health bars over creatures, the play screen's bars, the progress of
// the first-run media conversion. The value text is never drawn.

#include "Library/interface/meter.h"

class BarMeter : public Meter {
public:
    BarMeter() = default;
    BarMeter(int x, int y, int length, int max, int orientation)
        : Meter(x, y, length, max, orientation) {}

    // The back (by style), then the filled part; nothing while the maximum is not positive.
    void Draw(Screen& screen) override;
};
