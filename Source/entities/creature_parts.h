#pragma once
// The creature inside a soldier entity as the entity layer reaches it: its rules record,
// its record of targets, its vision, its heal timer, its animation layers and what it
// carries. The creatures implement it and the soldier owns one (SoldierPartsFactory); a
// soldier made without one treats it as a creature with nothing to report.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

#include <cstdint>

class CarriedItems;
class Entity;
class EntityRef;
class Screen;
class Stream;

class CreatureParts {
public:
    static constexpr int kTargetSlots = 10;

    virtual ~CreatureParts() = default;

    // Blank again: the rules record and the targets reset, the art released, the heal
    // timer started.
    virtual void Reset() = 0;
    // Inside the soldier's record: the rules record then the targets, and apart from them
    // the heal timer. Each stops at the first failure.
    virtual bool LoadRecords(Stream& stream) = 0;
    virtual bool SaveRecords(Stream& stream) const = 0;
    virtual bool LoadHealTimer(Stream& stream) = 0;
    virtual bool SaveHealTimer(Stream& stream) const = 0;

    virtual int GetStrength() const = 0;         // attribute 0
    virtual int GetHitPointsPercent() const = 0; // 0 when the maximum is 0
    virtual float GetHitPoints() const = 0;
    virtual void AddHitPoints(float delta) = 0;      // held within 0 .. the maximum
    virtual uint32_t GetExperienceValue() const = 0; // what its killers share
    virtual int GetTimerPercent() const = 0;         // of the action timer
    virtual void ChargeTime(float seconds) = 0;      // onto the action timer, on the area map
    virtual const Stringc& GetScriptName(int index) const = 0; // 0 to 6; "" for others
    virtual const Stringc& GetDeathScope() const = 0;          // of "DEATH_VAR"; "" for none
    virtual int GetDisplayBits() const = 0;                    // 0: not drawn
    virtual void FadeColours(bool in) = 0;                     // all five colour blocks

    virtual float GetSightRange() const = 0;            // world units
    virtual bool CanSee(const Vector& point) const = 0; // the vision grid's cell of the point
    virtual void RecomputeVision(const Vector& position) = 0;
    // Target slot 0 to 9; an empty reference for any other.
    virtual const EntityRef& GetTarget(int slot) const = 0;
    virtual void RecordSeen(const EntityRef& seen) = 0;
    virtual void RecordDamagedBy(const EntityRef& source, int32_t value) = 0;
    virtual void RecordAttackedBy(const EntityRef& actor, int32_t value) = 0;
    virtual void RecordAttacking(const EntityRef& target) = 0;
    virtual void RecordContact(const EntityRef& other) = 0;
    // A chance roll of the creature's skill value less the difficulty (lock picking,
    // traps, searching for towns). A creature with nothing to report never succeeds.
    virtual bool TestSkill(int /*skill*/, int /*difficulty*/) { return false; }
    // A cast of the spell the creature knows: at the target, else at the point, else on
    // itself; with useCharge one of its ready charges is spent. A creature with nothing to
    // report casts nothing.
    virtual bool CastSpell(uint32_t /*spellId*/, Entity* /*target*/, const Vector* /*point*/,
                           bool /*useCharge*/) {
        return false;
    }

    // The entity manager's pass over the living: the heal timer, then the rules record.
    virtual void UpdateFrame(uint32_t frameMs) = 0;
    virtual void SetHealPeriod(int period) = 0;
    // The soldier's own frame: the rules record, then the targets' notices to its scripts.
    virtual void UpdateRecords(uint32_t frameMs) = 0;

    // The animation layers over the soldier's own body animation.
    virtual void LoadArtSet() = 0;
    virtual void RefreshArt() = 0; // rebuilt when what it shows changed
    virtual void UpdateArt() = 0;  // with every screen-position update
    virtual void DrawArt(Screen& screen) = 0;
    virtual void ShowBlood() = 0;
    virtual void SetColourLevel(int red, int green, int blue) = 0;

    virtual CarriedItems* GetCarried() = 0; // what it carries; null: nothing

    // Its dialogue: the script it opens, the label it starts at and its counter.
    virtual const Stringc& GetDialogueName() const = 0;
    virtual const Stringc& GetDialogueLabel() const = 0;
    virtual void SetDialogueLabel(const Stringc& label) = 0;
    virtual uint32_t GetDialogueValue() const = 0;
    virtual void SetDialogueValue(uint32_t value) = 0;
    virtual void SetWillTrade(bool willTrade) = 0; // false: its dialogue refuses to trade
};
