#pragma once
// The creature inside a soldier entity as the entity layer reaches it: its rules record,
// its record of targets, its vision, its heal timer and its speech bubble. The creatures
// implement it; until a soldier has one, the entity layer treats it as a creature with
// nothing to report.

#include "Library/core/vector.h"

#include <cstdint>

class EntityRef;
class Screen;

class CreatureParts {
public:
    static constexpr int kTargetSlots = 10;

    virtual ~CreatureParts() = default;

    virtual int GetStrength() const = 0;                // attribute 0
    virtual int GetHitPointsPercent() const = 0;        // 0 when the maximum is 0
    virtual float GetSightRange() const = 0;            // world units
    virtual bool CanSee(const Vector& point) const = 0; // the vision grid's cell of the point
    // Target slot 0 to 9; an empty reference for any other.
    virtual const EntityRef& GetTarget(int slot) const = 0;
    virtual void RecordSeen(const EntityRef& seen) = 0;
    // A chance roll of the creature's skill value less the difficulty (lock picking,
    // traps, searching for towns). A creature with nothing to report never succeeds.
    virtual bool TestSkill(int /*skill*/, int /*difficulty*/) { return false; }

    // Once a frame for a living creature: its heal timer, then its rules record.
    virtual void UpdateFrame(uint32_t frameMs) = 0;
    virtual void SetHealPeriod(int period) = 0;
    virtual void DrawTextBubble(Screen& screen) = 0;
};
