#pragma once
// The spells and skills a creature knows, each at a level, and its charges: one entry per
// prepared casting, ready or spent. Casting spends a ready charge; once a day the heal
// timer makes every charge ready again.

#include "Library/core/mem_mgr.h"

#include <cstdint>

class Entity;
class SpellAbility;
class Stream;
class Vector;

class SpellMgr {
public:
    static constexpr uint32_t kDefaultLimit = 10;
    // Charges one learning gives at most: the demo's casters prepare five a day, and a
    // hundred castings of one spell between two rests lie beyond any play, while a script's
    // number stays one frame's work.
    static constexpr int kMaxCharges = 100;

    struct Known {
        uint32_t id = 0;
        uint32_t level = 0;
    };
    struct Charge {
        uint32_t id = 0;
        uint8_t ready = 0;
    };

    explicit SpellMgr(Entity* owner = nullptr); // the creature that casts; not owned
    SpellMgr(const SpellMgr&) = delete;
    SpellMgr& operator=(const SpellMgr&) = delete;
    virtual ~SpellMgr() = default;

    void Clear(); // both limits 10, nothing known

    // A new spell at the level with that many charges (held within 0 and kMaxCharges), the
    // first `ready` of them ready (held within 0 and charges). False when the known list is
    // full or the spell known.
    bool Learn(uint32_t id, uint32_t level, int charges, int ready);
    void Forget(uint32_t id); // the spell and all its charges
    bool Find(uint32_t id, Known& out) const;
    uint32_t GetLevel(uint32_t id) const; // 0 for a spell not known
    bool HasReadyCharge(uint32_t id) const;
    bool HasAnyReadyCharge() const;
    bool UseCharge(uint32_t id); // the first ready charge of the spell spent
    bool RemoveCharge(uint32_t id); // the first ready charge of the spell gone for good
    void RestoreCharges();       // every charge ready
    int CountKnown() const { return m_known.CountUsed(); }

    // The owner casts from where it stands: on itself or around it, on a target, or at a
    // point. With useCharge a ready charge of the spell is spent first, and without one
    // nothing happens; an application that fails keeps the charge spent. On success the
    // ability's action time is given.
    bool Cast(SpellAbility& ability, bool useCharge, float& actionTime);
    bool CastOnTarget(SpellAbility& ability, Entity* target, bool useCharge, float& actionTime);
    bool CastAtPoint(SpellAbility& ability, const Vector& point, bool useCharge, float& actionTime);
    int CountCharges(uint32_t id, bool ready) const;

    // Stored form, little-endian: u32 known limit, u32 second limit, u32 known count, that
    // many (u32 id, u32 level), u32 charge count, that many (u32 id, u8 ready). Counts the
    // bytes left cannot hold are refused.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    int FirstReadyCharge(uint32_t id) const; // its slot, -1 when none
    template <class T, class Visit> static void ForEachUsed(const MemMgr<T>& list, Visit visit);
    bool CastAt(SpellAbility& ability, Entity* target, const Vector& point, bool useCharge,
                float& actionTime);

    Entity* m_owner;
    uint32_t m_knownLimit = kDefaultLimit;
    uint32_t m_secondLimit = kDefaultLimit;
    MemMgr<Known> m_known;
    MemMgr<Charge> m_charges;
};
