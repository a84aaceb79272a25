#pragma once
// The effects running on a creature. Until effects arrive none runs: only the empty record
// is read and written, and the rules' questions get the answers of a creature without any.

#include "Source/creatures/creature_effects.h"

#include <cstdint>

class Stream;

class EffectMgr : public CreatureEffects {
public:
    EffectMgr() = default;
    EffectMgr(const EffectMgr&) = delete;
    EffectMgr& operator=(const EffectMgr&) = delete;
    virtual ~EffectMgr() = default;

    void Clear() {}
    void Update() {}
    bool HasEffect(int, uint32_t) const override { return false; }
    int SumDamageBonus(const Entity*) const override { return 0; }
    void ApplyPreviewList(const EffectList*, bool) override {}

    // Stored form: u32 count, then the effect records. A record with effects is refused.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;
};
