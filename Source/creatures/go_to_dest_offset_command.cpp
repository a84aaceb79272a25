#include "Source/creatures/go_to_dest_offset_command.h"

#include "Library/graphics/screen.h"

void GoToDestOffsetCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "GO_TO_DEST_OFFSET %f, %f", GetPoint().x, GetPoint().y);
    DescribeState(x, y, screen);
}
