#pragma once
// The creature inside a soldier entity: its rules record, its record of targets, its
// vision, its heal timer and its animation layers, as the entity layer and the rules reach
// them. The soldier owns it (CreatureFactory makes it for every soldier handed out).

#include "Library/core/vector.h"
#include "Source/creatures/creature_animation_mgr.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_owner.h"
#include "Source/creatures/creature_targets.h"
#include "Source/creatures/heal_timer.h"
#include "Source/creatures/vision_grid.h"
#include "Source/entities/creature_parts.h"

#include <memory>

class CreatureEffects;
class Entity;
class SoldierEntity;

class Creature : public CreatureParts, private CreatureOwner {
public:
    // The soldier it belongs to, which sees the map of its manager (none without one); the
    // soldier outlives it.
    explicit Creature(SoldierEntity& soldier);
    Creature(const Creature&) = delete;
    Creature& operator=(const Creature&) = delete;
    ~Creature() override;

    // The creature of a soldier entity; null for anything else.
    static Creature* Of(Entity* entity);

    SoldierEntity& GetSoldier() const { return m_soldier; }
    CreatureData& GetData() { return m_data; }
    const CreatureData& GetData() const { return m_data; }
    CreatureTargets& GetTargets() { return m_targets; }
    // Null off a map. Whoever may recompute it ends what RecomputeVision knew of it.
    VisionGrid* GetVision() {
        m_visionStill = false;
        return m_vision.get();
    }
    HealTimer& GetHealTimer() { return m_healTimer; }
    CreatureAnimationMgr& GetArt() { return m_art; }
    virtual CreatureEffects& GetEffects(); // those of its rules record

    void Reset() override;
    bool LoadRecords(Stream& stream) override;
    bool SaveRecords(Stream& stream) const override;
    bool LoadHealTimer(Stream& stream) override;
    bool SaveHealTimer(Stream& stream) const override;

    int GetStrength() const override { return m_data.GetAttribute(kStrength); }
    int GetHitPointsPercent() const override { return m_data.GetHitPointsPercent(); }
    float GetHitPoints() const override { return m_data.GetHitPoints(); }
    void AddHitPoints(float delta) override { m_data.AddHitPoints(delta); }
    uint32_t GetExperienceValue() const override { return m_data.GetKillExperience(); }
    int GetTimerPercent() const override { return m_data.GetTimerPercent(); }
    void ChargeTime(float seconds) override;
    const Stringc& GetScriptName(int index) const override { return m_data.GetScript(index); }
    const Stringc& GetDeathScope() const override { return m_data.GetDeathVariableScope(); }
    int GetDisplayBits() const override { return m_data.GetDisplayBits(); }
    void FadeColours(bool in) override;

    float GetSightRange() const override;
    bool CanSee(const Vector& point) const override;
    void RecomputeVision(const Vector& position) override;
    const EntityRef& GetTarget(int slot) const override { return m_targets.GetSlot(slot); }
    void RecordSeen(const EntityRef& seen) override { m_targets.SetSeen(seen); }
    bool TestSkill(int skill, int difficulty) override;
    // The registry's ability of the spell at the level the creature knows it; an offensive
    // one cast at a creature starts combat, and caster and target note each other with the
    // spell's cursor kind. The cast's time goes onto the action timer.
    bool CastSpell(uint32_t spellId, Entity* target, const Vector* point, bool useCharge) override;
    void RecordDamagedBy(const EntityRef& source, int32_t value) override {
        m_targets.SetDamagedBy(source, value);
    }
    void RecordAttackedBy(const EntityRef& actor, int32_t value) override {
        m_targets.SetAttackedBy(actor, value);
    }
    void RecordAttacking(const EntityRef& target) override { m_targets.SetAttackTarget(target); }
    void RecordContact(const EntityRef& other) override { m_targets.SetContact(other); }

    void UpdateFrame(uint32_t frameMs) override;
    void SetHealPeriod(int period) override { m_healTimer.SetPeriod(period); }
    void UpdateRecords(uint32_t frameMs) override;

    void LoadArtSet() override { m_art.LoadArtSet(); }
    void RefreshArt() override;
    void UpdateArt() override { m_art.Update(); }
    void DrawArt(Screen& screen) override { m_art.Draw(screen); }
    void ShowBlood() override { m_art.ShowBlood(); }
    void SetColourLevel(int red, int green, int blue) override {
        m_art.SetColourLevel(red, green, blue);
    }

    CarriedItems* GetCarried() override;

    const Stringc& GetDialogueName() const override {
        return m_data.GetScript(CreatureData::kDialogueScript);
    }
    const Stringc& GetDialogueLabel() const override { return m_data.GetDialogueStartLabel(); }
    void SetDialogueLabel(const Stringc& label) override {
        m_data.SetDialogueStartLabel(label.c_str());
    }
    uint32_t GetDialogueValue() const override { return m_data.GetDialogueValue(); }
    void SetDialogueValue(uint32_t value) override { m_data.SetDialogueValue(value); }
    void SetWillTrade(bool willTrade) override { m_data.SetWillTrade(willTrade); }

private:
    bool LoadScripts(int slot) override;
    void ResetColourLevels() override { m_art.ResetColourLevels(); }

    SoldierEntity& m_soldier;
    // The grid was last recomputed from here and found unchanged: from the same place it
    // would be again, so it is not read (a crowd stands still nearly every frame).
    Vector m_stillAt;
    bool m_visionStill = false;
    HealTimer m_healTimer; // beside the record's start: both are read every frame
    CreatureData m_data;
    CreatureTargets m_targets;
    std::unique_ptr<VisionGrid> m_vision;
    CreatureAnimationMgr m_art;
};
