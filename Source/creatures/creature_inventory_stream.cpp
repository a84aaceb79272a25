// The inventory's part of the creature record.
#include "Source/creatures/creature_inventory.h"

#include "Library/core/stream.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"

#include <cstdio>

bool CreatureInventory::Load(Stream& stream) {
    ReleaseItems();
    int32_t hand = 0;
    if (!stream.ReadValue(hand))
        return false;
    if (!IsHandSlot(hand)) {
        std::fprintf(stderr, "CreatureInventory: slot %d is not a hand\n", hand);
        return false;
    }
    EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        uint32_t type = 0;
        if (!stream.ReadValue(type)) {
            ReleaseItems();
            return false;
        }
        if (type == kEmptySlot)
            continue;
        if (type != Entity::kTypeItem) {
            std::fprintf(stderr, "CreatureInventory: slot %d holds an entity of type %u\n", slot,
                         type);
            ReleaseItems();
            return false;
        }
        Entity* made =
            manager ? manager->CreateEntity(0.0f, 0.0f, 0.0f, Entity::kTypeItem) : nullptr;
        if (made == nullptr) {
            std::fprintf(stderr, "CreatureInventory: no entity manager makes the item of slot %d\n",
                         slot);
            ReleaseItems();
            return false;
        }
        m_slots[slot] = static_cast<ItemEntity*>(made);
        m_slots[slot]->SetOwner(m_owner);
        const bool read = m_slots[slot]->Load(stream);
        Carry(*m_slots[slot]);
        if (!read) {
            ReleaseItems();
            return false;
        }
    }
    if (!m_backpack->Load(stream)) {
        ReleaseItems();
        return false;
    }
    PrepareBackpack();
    m_currentHand = hand;
    return true;
}

bool CreatureInventory::Save(Stream& stream) const {
    if (!stream.WriteValue(m_currentHand))
        return false;
    for (const ItemEntity* item : m_slots) {
        const bool written =
            item == nullptr
                ? stream.WriteValue(kEmptySlot)
                : stream.WriteValue(static_cast<uint32_t>(item->GetType())) && item->Save(stream);
        if (!written)
            return false;
    }
    return m_backpack->Save(stream);
}
