#pragma once
// Casts a spell at a point, or at what the spell is aimed at: a door's, chest's or
// trigger's map object, or any other entity. With no such object to aim at, or an object
// without a zone, it fails: nothing was cast.

#include "Source/creatures/spell_cast_command.h"

class MapObject;

class SpellPointCommand : public SpellCastCommand {
public:
    static constexpr int kTargetPoint = 5;     // the spell's target type: a point
    static constexpr int kTargetMapObject = 6; // a map object

    SpellPointCommand(SoldierEntity& owner, const SpellAbility* spell, Entity* target,
                      const Vector& point, int flag);
    void Describe(int x, int y, Screen& screen) const override;

private:
    bool Cast() override; // CastSpellAt
    void WatchWalk() override;
    bool AimsAtMapObject() const;
    MapObject* GetMapObject() const; // the target's, while it is live; null otherwise
    // Whether the owner stands within the spell's range of what it aims at: a door's
    // position, else the nearest point of the map object's zone, else the target's circle.
    // A zone without points ends the command, failed.
    bool IsAimInRange();
    bool IsPointInRange() const;

    Vector m_point;
    int m_flag;
};
