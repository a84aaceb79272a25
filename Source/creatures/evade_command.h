#pragma once
// Keeps away from a danger for a number of seconds: flees 15 units from it, and again from
// where it has got to once there; a flight that cannot be made is no failure, it waits
// 2 to 15 seconds and tries again. Ends when its seconds run out.

#include "Source/creatures/creature_command.h"

class EvadeCommand : public CreatureCommand {
public:
    static constexpr float kFleeDistance = 15.0f;
    static constexpr float kMinWait = 2.0f;
    static constexpr float kMaxWait = 15.0f;

    bool Update() override;

protected:
    EvadeCommand(SoldierEntity& owner, Id id, float seconds)
        : CreatureCommand(owner, id), m_seconds(seconds) {}

    float GetSecondsLeft() const { return m_seconds; }

private:
    virtual bool IsOutOfDanger() const = 0;
    virtual bool FleeOnce() = 0;
    void TryToFlee();

    float m_seconds;
    float m_wait = 0.0f;
};
