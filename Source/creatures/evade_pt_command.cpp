#include "Source/creatures/evade_pt_command.h"

#include "Library/graphics/screen.h"

void EvadePtCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "EVADE_PT: (%f,%f) : %f", m_point.x, m_point.y, GetSecondsLeft());
    DescribeState(x, y, screen);
}
