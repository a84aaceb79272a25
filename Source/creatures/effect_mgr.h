#pragma once
// The effects running on one creature: added when an item is put on, a hit lands or an
// attack is evaluated, advanced once a frame by the game clock, and dropped once inactive.
// They are saved with the creature and bound to it again on load, never applied again.

#include "Library/core/mem_mgr.h"
#include "Source/creatures/creature_effects.h"
#include "Source/creatures/effect.h"

#include <cstdint>

class EffectList;
class Stream;

class EffectMgr : public CreatureEffects {
public:
    explicit EffectMgr(Entity* owner = nullptr); // the creature; not owned
    EffectMgr(const EffectMgr&) = delete;
    EffectMgr& operator=(const EffectMgr&) = delete;
    virtual ~EffectMgr() = default;

    void Clear();
    void Update(); // each timed effect advances; inactive ones are dropped

    // The list's attack-time effects (unit 10) started and added (apply) or stopped and
    // removed.
    void ApplyEffectList(const EffectList* list, bool apply);
    // The list's effects of units 0-6 and 8 started and added; lasting ones (unit 4) keep
    // the source.
    void ApplyItemEffects(Entity* source, const EffectList* list);
    // Each of the list's effects of unit 5 takes off one equal running effect.
    void RemoveUnequipEffects(const EffectList* list);
    void RemoveKind(int kind); // stopped and dropped
    void EndUnit8();           // every effect that lasts until ended, stopped and dropped
    // Every round-limited effect at round 7 for a creature (0 for anything else) ended and
    // dropped once its rounds are reached.
    void EndRounds(const Entity* entity);
    // Poison is not added when an equal one runs; anything else always is.
    void AddEffect(const Effect& effect);
    bool RemoveEffect(const Effect& effect); // the one started from it stopped and dropped
    const Effect* FindEffect(const Effect& effect) const;
    int CountRunning() const { return m_effects.CountUsed(); }

    bool HasEffect(int kind, uint32_t damageType) const override;
    int SumDamageBonus(const Entity* target) const override;
    // Only the modifier kinds of the list's attack-time effects act.
    void ApplyPreviewList(const EffectList* list, bool apply) override;

    // Stored form: u32 count, then the effect records.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    template <class Visit> void ForEachRunning(Visit visit) const;
    template <class End> void DropEnded(End end); // end (effect) stops it or leaves it active
    void ApplyAttackList(const EffectList* list, bool apply, bool modifiersOnly);
    bool BonusApplies(const Effect& effect, const Entity* target) const;
    int FindSlot(const Effect& effect) const; // -1 when no running effect equals it
    // The running effect started from the definition, an active one first; -1 for none.
    int FindStartedFrom(const Effect& definition) const;

    Entity* m_owner;
    MemMgr<Effect> m_effects;
};
