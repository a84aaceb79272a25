#pragma once
// Attacks for a number of seconds, so that the script that issued it can think again: the
// blow under way is finished, and the command ends the first time it is ready for the
// next one after its time has run out. Its first update does not count.

#include "Source/creatures/attack_command.h"

class AttackReevaluateCommand : public AttackCommand {
public:
    AttackReevaluateCommand(SoldierEntity& owner, Entity* target, float seconds)
        : AttackCommand(owner, kAttackReevaluate, target), m_seconds(seconds) {}

    void Describe(int x, int y, Screen& screen) const override;

private:
    void CountTime() override;
    bool IsTimeUp() const override { return m_seconds <= 0.0f; }

    float m_seconds;
    uint8_t m_skip = 1;
};
