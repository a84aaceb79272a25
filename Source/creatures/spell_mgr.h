#pragma once
// The spells and skills a creature knows, with their charges. Until spells arrive a creature
// knows none: only the empty record is read and written.

#include <cstdint>

class Stream;

class SpellMgr {
public:
    static constexpr uint32_t kDefaultLimit = 10;

    SpellMgr() = default;
    SpellMgr(const SpellMgr&) = delete;
    SpellMgr& operator=(const SpellMgr&) = delete;
    virtual ~SpellMgr() = default;

    void Clear(); // both limits 10

    // Stored form, little-endian: u32 known limit, u32 second limit, u32 known count, the
    // known entries, u32 charge count, the charges. A record with entries is refused.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    uint32_t m_knownLimit = kDefaultLimit;
    uint32_t m_secondLimit = kDefaultLimit;
};
