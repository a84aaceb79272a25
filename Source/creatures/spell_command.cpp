#include "Source/creatures/spell_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/soldier_entity.h"

bool SpellCommand::Cast() {
    return PostCast(SoldierEntity::kEventCast, m_number, -1);
}

void SpellCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "SPELL");
    DescribeState(x, y, screen);
}
