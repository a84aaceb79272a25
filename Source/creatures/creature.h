#pragma once
// The creature inside a soldier entity: its rules record, its record of targets, its vision
// and its heal timer, as the entity layer and the rules reach them. The speech bubble comes
// with its own part.

#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_targets.h"
#include "Source/creatures/heal_timer.h"
#include "Source/creatures/vision_grid.h"
#include "Source/entities/creature_parts.h"

class CreatureEffects;
class CreatureOwner;
class Entity;
class SoldierEntity;
class TileMap;

class Creature : public CreatureParts {
public:
    // The soldier it is attached to, the map it sees and what reloads its scripts and look
    // (null: nothing); all must outlive it. Its heal timer starts now.
    Creature(SoldierEntity& soldier, TileMap& map, CreatureOwner* scripts);
    Creature(const Creature&) = delete;
    Creature& operator=(const Creature&) = delete;
    ~Creature() override;

    // The creature of a soldier entity; null for anything else.
    static Creature* Of(Entity* entity);

    SoldierEntity& GetSoldier() const { return m_soldier; }
    CreatureData& GetData() { return m_data; }
    const CreatureData& GetData() const { return m_data; }
    CreatureTargets& GetTargets() { return m_targets; }
    VisionGrid& GetVision() { return m_vision; }
    HealTimer& GetHealTimer() { return m_healTimer; }
    const VisionGrid& GetVision() const { return m_vision; }
    virtual CreatureEffects& GetEffects(); // those of its rules record

    int GetStrength() const override { return m_data.GetAttribute(kStrength); }
    int GetHitPointsPercent() const override { return m_data.GetHitPointsPercent(); }
    float GetSightRange() const override;
    bool CanSee(const Vector& point) const override { return m_vision.IsVisible(point); }
    const EntityRef& GetTarget(int slot) const override { return m_targets.GetSlot(slot); }
    void RecordSeen(const EntityRef& seen) override { m_targets.SetSeen(seen); }
    bool TestSkill(int skill, int difficulty) override;
    void UpdateFrame(uint32_t frameMs) override;
    void SetHealPeriod(int period) override { m_healTimer.SetPeriod(period); }
    void DrawTextBubble(Screen& /*screen*/) override {}

private:
    SoldierEntity& m_soldier;
    CreatureData m_data;
    CreatureTargets m_targets;
    VisionGrid m_vision;
    HealTimer m_healTimer;
};
