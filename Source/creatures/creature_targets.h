#pragma once
// A creature's notice board for its scripts: ten remembered entities (who attacked it, whom
// it attacked, whom it saw, whom it met, what others signalled to it) with a few numbers,
// and a pending bit per notice. The next update posts one script event per pending notice
// to the creature's script slots 0 to 4; the entities stay for the scripts to ask for.

#include "Library/scripts/entity_ref.h"

#include <cstdint>

class SoldierEntity;
class Stream;

class CreatureTargets {
public:
    static constexpr int kSlotCount = 10;
    static constexpr int kNumberCount = 5;

    // Pending bits, one per notice.
    static constexpr uint32_t kAttackedByBit = 0x001;
    static constexpr uint32_t kDamagedByBit = 0x002;
    static constexpr uint32_t kAttackTargetBit = 0x004;
    static constexpr uint32_t kSignal9Bit = 0x008;
    static constexpr uint32_t kSignal10Bit = 0x010;
    static constexpr uint32_t kSignal11Bit = 0x020;
    static constexpr uint32_t kSignalNumberBit = 0x040;
    static constexpr uint32_t kSeenBit = 0x080;
    static constexpr uint32_t kContactBit = 0x100;
    static constexpr uint32_t kCommandTargetBit = 0x200;
    static constexpr uint32_t kCommandedByBit = 0x400;

    explicit CreatureTargets(SoldierEntity& owner); // whose scripts are told
    CreatureTargets(const CreatureTargets&) = delete;
    CreatureTargets& operator=(const CreatureTargets&) = delete;
    virtual ~CreatureTargets() = default;

    // Nothing pending, no numbers, and every slot an empty reference that names no entity.
    void Reset();
    // Posts the pending notices' events in bit order, then clears every bit.
    void Update();

    // Each stores its notice's entity (and number), replacing an earlier one, and raises
    // its bit.
    void SetAttackedBy(const EntityRef& actor, int32_t number); // event 6
    void SetDamagedBy(const EntityRef& source, int32_t number); // event 7
    void SetAttackTarget(const EntityRef& target);              // no event
    void SetSignal9(const EntityRef& sender, int32_t number);   // event 9
    void SetSignal10(const EntityRef& sender, int32_t number);  // event 10
    void SetSignal11(const EntityRef& sender);                  // event 11
    void SetSignalNumber(int32_t number);                       // event 12
    void SetSeen(const EntityRef& seen);                        // no event
    void SetContact(const EntityRef& other);                    // no event
    void SetCommandTarget(const EntityRef& other);              // no event
    void SetCommandedBy(const EntityRef& commanded);            // no event

    // Each copies its slot out (an empty reference when never set), with its number; false
    // when the reference says its entity is dead.
    bool GetAttackedBy(EntityRef& out, int32_t& number) const;
    bool GetDamagedBy(EntityRef& out, int32_t& number) const;
    bool GetAttackTarget(EntityRef& out) const;
    bool GetSignal9(EntityRef& out, int32_t& number) const;
    bool GetSignal10(EntityRef& out, int32_t& number) const;
    bool GetSignal11(EntityRef& out) const;
    int32_t GetSignalNumber() const { return m_numbers[kSignalNumberIndex]; }
    bool GetSeen(EntityRef& out) const;
    bool GetContact(EntityRef& out) const;
    bool GetCommandTarget(EntityRef& out) const;
    bool GetCommandedBy(EntityRef& out) const;

    const EntityRef& GetSlot(int slot) const; // 0 to 9; an empty reference otherwise
    uint32_t GetPending() const { return m_pending; }

    // Stored form, little-endian: u32 pending bits, the ten slots' EntityRef records, five
    // i32 numbers. A record cut short or refused changes nothing.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    static constexpr int kSignalNumberIndex = 4;

    void Store(int slot, const EntityRef& ref, uint32_t bit);
    bool Copy(int slot, EntityRef& out) const;
    bool Copy(int slot, EntityRef& out, int numberIndex, int32_t& number) const;

    SoldierEntity& m_owner;
    uint32_t m_pending = 0;
    EntityRef m_slots[kSlotCount];
    int32_t m_numbers[kNumberCount] = {};
};
