#pragma once
// Stands for a number of seconds; the count pauses while the creature's action timer runs.

#include "Source/creatures/creature_command.h"

class WaitCommand : public CreatureCommand {
public:
    static constexpr float kDefaultSeconds = 5.0f;

    WaitCommand(SoldierEntity& owner, float seconds);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    float m_seconds = kDefaultSeconds;
};
