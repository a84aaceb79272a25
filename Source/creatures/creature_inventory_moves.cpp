// Items moving into, within and out of an inventory.
#include "Source/creatures/creature_inventory.h"

#include "Library/world/tile_map.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"

#include <algorithm>

// Effects go with the item that newly enters a slot; a stack that merely grows keeps
// those it has on.
bool CreatureInventory::Place(ItemEntity* item, int slot, ItemEntity*& out) {
    if (item == nullptr || item->GetStackSize() < 1)
        return false;
    if (slot >= kBackpack) {
        if (!m_backpack->AddItem(item, out))
            return false;
        Carry(*out);
        return true;
    }
    ItemEntity*& held = m_slots[slot];
    if (held != nullptr && !held->CanStackWith(*item)) {
        ItemEntity* stowed = nullptr;
        TakeOffEffects(held, slot);
        if (!m_backpack->AddItem(held, stowed)) {
            PutOnEffects(held, slot);
            return false;
        }
        held = nullptr;
    }
    if (held == nullptr) {
        held = item;
        Carry(*held);
        PutOnEffects(held, slot);
    } else {
        held->MergeFrom(*item);
        if (item->GetStackSize() == 0)
            item->Release();
        else
            m_backpack->AddItem(item, out); // beyond what a stack holds
        Carry(*held);
    }
    out = held;
    return true;
}

bool CreatureInventory::Take(ItemEntity* item, int count) {
    int slot = 0;
    if (!FindSlotOf(item, slot) || count < 1)
        return false;
    if (slot == kBackpack)
        return m_backpack->TakeItem(count, item);
    TakeOffEffects(item, slot);
    ItemEntity* rest = nullptr;
    if (count < item->GetStackSize() && item->SplitCount(item->GetStackSize() - count, rest)) {
        m_slots[slot] = rest;
        Carry(*rest);
        rest->LoadIcon();
        PutOnEffects(rest, slot);
    } else {
        m_slots[slot] = nullptr;
    }
    item->RemoveFlags(Entity::kFlagHidden);
    return true;
}

bool CreatureInventory::AddItem(ItemEntity* item, ItemEntity*& out) {
    if (item == nullptr || Contains(item) || !Place(item, kBackpack, out))
        return false;
    RefreshLook();
    return true;
}

bool CreatureInventory::RemoveItem(int count, ItemEntity* item) {
    if (!Take(item, count))
        return false;
    item->SetOwner(nullptr);
    item->RemoveFlags(Entity::kFlagHidden);
    RefreshLook();
    return true;
}

bool CreatureInventory::AddToSlot(ItemEntity* item, int count, int slot, ItemEntity*& out) {
    int from = 0;
    if (item == nullptr || !CanPutInSlot(item, slot) || !FindSlotOf(item, from))
        return false;
    const ItemEntity* held = GetSlot(slot);
    if (slot < kBackpack && held != nullptr && held != item && held->CanStackWith(*item)) {
        const int room = held->GetStackLimit() - held->GetStackSize();
        if (room <= 0)
            return false;
        count = std::min(count, room);
    }
    if (!Take(item, count))
        return false;
    if (!Place(item, slot, out)) {
        ItemEntity* back = nullptr;
        Place(item, from, back);
        return false;
    }
    if (slot < kBackpack)
        out->RefreshAbility();
    RefreshLook();
    return true;
}

bool CreatureInventory::AddToCurrentHand(ItemEntity* item, ItemEntity*& out) {
    ItemEntity* carried = nullptr;
    return AddItem(item, carried) && AddToSlot(carried, 1, m_currentHand, out);
}

bool CreatureInventory::PickUp(ItemEntity* item) {
    EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    TileMap* map = manager ? manager->GetTileMap() : nullptr;
    if (item == nullptr || map == nullptr || item->IsHidden() || Contains(item) ||
        !manager->IsItemLive(item) || item->GetStackSize() < 1)
        return false;
    ItemEntity* taken = item;
    if (item->GetStackSize() > 1) {
        if (!item->SplitCount(1, taken))
            return false;
    } else {
        map->RemoveObject(item);
    }
    ItemEntity* carried = nullptr;
    if (!AddItem(taken, carried)) {
        if (taken == item) {
            map->AddObject(item);
        } else {
            item->SetStackSize(static_cast<uint16_t>(item->GetStackSize() + 1));
            taken->Release();
        }
        return false;
    }
    if (!m_owner->HasAnyFlag(Entity::kFlagPartyMember))
        return true;
    int slot = 0;
    ItemEntity* placed = nullptr;
    for (int index = 0; index < kSlotCount; ++index)
        if (m_slots[index] != nullptr && m_slots[index]->CanStackWith(*carried)) {
            AddToSlot(carried, 1, index, placed);
            return true;
        }
    if (FindFreeHandSlot(slot))
        AddToSlot(carried, 1, slot, placed);
    return true;
}

bool CreatureInventory::DropItem(ItemEntity* item) {
    EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    TileMap* map = manager ? manager->GetTileMap() : nullptr;
    if (map == nullptr || !RemoveItem(1, item))
        return false;
    item->SetPosition(m_owner->GetPosition());
    item->LoadIcon2();
    map->AddObject(item);
    return true;
}

bool CreatureInventory::PutInBackpack(ItemEntity* item) {
    if (item == nullptr)
        return false;
    ItemEntity* out = nullptr;
    const bool moved =
        Contains(item) ? AddToSlot(item, item->GetStackSize(), kBackpack, out) : AddItem(item, out);
    if (moved && m_owner != nullptr)
        out->SetPosition(m_owner->GetPosition());
    return moved;
}

// While it is added its uses are out of any stack's reach, so it does not stack back.
bool CreatureInventory::TakeFromBackpack(ItemEntity* item, ItemEntity*& out) {
    constexpr int kUsesWhileAdded = -10000;
    if (!BackpackContains(item))
        return false;
    ItemEntity* one = item;
    if (item->GetStackSize() >= 2) {
        if (!item->SplitCount(1, one))
            return false;
        const int uses = one->GetCount();
        one->SetCount(kUsesWhileAdded);
        ItemEntity* added = nullptr;
        const bool kept = AddItem(one, added);
        one->SetCount(uses);
        if (!kept) {
            item->SetStackSize(static_cast<uint16_t>(item->GetStackSize() + 1));
            one->Release();
            return false;
        }
    }
    out = one;
    return true;
}

void CreatureInventory::StowFlaggedItems() {
    for (ItemEntity* item : m_slots) {
        ItemEntity* out = nullptr;
        if (item != nullptr && item->GetFlagBit2())
            AddToSlot(item, item->GetStackSize(), kBackpack, out);
    }
}

bool CreatureInventory::ReturnEmptyItem(ItemEntity* item) {
    if (item == nullptr || item->GetCount() != 0)
        return false;
    for (ItemEntity* held : m_slots)
        if (held != nullptr && held->CanMergeInto(item)) {
            const EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
            if (manager != nullptr && manager->IsItemLive(item))
                item->Release();
            return true;
        }
    return false;
}
