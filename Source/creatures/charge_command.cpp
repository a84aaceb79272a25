#include "Source/creatures/charge_command.h"

#include "Library/graphics/screen.h"

void ChargeCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "CHARGE");
    DescribeState(x, y, screen);
}
