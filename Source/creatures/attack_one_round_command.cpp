#include "Source/creatures/attack_one_round_command.h"

void AttackOneRoundCommand::Describe(int x, int y, Screen& screen) const {
    DescribeTarget(x, y, screen, "ATTACK_ONE_ROUND");
    DescribeState(x, y, screen);
}
