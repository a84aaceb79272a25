#pragma once
// What a creature carries: seventeen equipment slots, three of them hands with one current,
// and a backpack. Until items arrive a creature carries nothing: only the current hand and
// the empty slots are read and written.

#include <cstdint>

class Stream;

class CreatureInventory {
public:
    static constexpr int kSlotCount = 17;
    static constexpr int kFirstHand = 11;
    static constexpr int kLastHand = 13;
    static constexpr uint32_t kEmptySlot = 0xFFFFFFFF;

    CreatureInventory() = default;
    CreatureInventory(const CreatureInventory&) = delete;
    CreatureInventory& operator=(const CreatureInventory&) = delete;
    virtual ~CreatureInventory() = default;

    void Reset() { m_currentHand = kFirstHand; }
    int GetCurrentHand() const { return m_currentHand; }

    // Stored form, little-endian: u32 current hand, then per slot 0 to 16 the item's u32
    // type code and its record, or 0xFFFFFFFF when empty. A hand outside 11 to 13 and a
    // slot holding an item are refused.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    int32_t m_currentHand = kFirstHand;
};
