#pragma once
// The effects running on a creature. Until effects arrive none runs: only the empty record
// is read and written.

#include <cstdint>

class Stream;

class EffectMgr {
public:
    EffectMgr() = default;
    EffectMgr(const EffectMgr&) = delete;
    EffectMgr& operator=(const EffectMgr&) = delete;
    virtual ~EffectMgr() = default;

    void Clear() {}
    void Update() {}

    // Stored form: u32 count, then the effect records. A record with effects is refused.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;
};
