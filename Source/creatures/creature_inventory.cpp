#include "Source/creatures/creature_inventory.h"

#include "Library/core/stream.h"

#include <cstdio>

bool CreatureInventory::Load(Stream& stream) {
    int32_t hand = 0;
    if (!stream.ReadValue(hand))
        return false;
    if (hand < kFirstHand || hand > kLastHand) {
        std::fprintf(stderr, "CreatureInventory: slot %d is not a hand\n", hand);
        return false;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        uint32_t type = 0;
        if (!stream.ReadValue(type))
            return false;
        if (type != kEmptySlot) {
            std::fprintf(stderr, "CreatureInventory: slot %d holds an entity of type %u\n", slot,
                         type);
            return false;
        }
    }
    m_currentHand = hand;
    return true;
}

bool CreatureInventory::Save(Stream& stream) const {
    if (!stream.WriteValue(m_currentHand))
        return false;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!stream.WriteValue(kEmptySlot))
            return false;
    }
    return true;
}
