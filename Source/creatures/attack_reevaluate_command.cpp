#include "Source/creatures/attack_reevaluate_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/soldier_entity.h"

void AttackReevaluateCommand::CountTime() {
    if (m_skip == 0)
        m_seconds -= static_cast<float>(FrameSeconds());
    m_skip = 0;
}

void AttackReevaluateCommand::Describe(int x, int y, Screen& screen) const {
    const SoldierEntity* target = GetAttackTarget();
    screen.Printf(x, y, "ATTACK_REEVALUATE: %s, %f", target ? target->GetDisplayName().c_str() : "",
                  m_seconds);
    DescribeState(x, y, screen);
}
