#include "Source/entities/entity_pool.h"

// The entity's own word is checked against the slot: an entity of another pool, or one
// never pooled, is not taken for the slot's occupant.
int EntityPool::SlotOf(const Entity* entity) const {
    const int slot = entity != nullptr ? entity->GetPoolSlot() : -1;
    return slot >= 0 && slot < GetSlotCount() && IsUsed(slot) && GetAt(slot) == entity ? slot : -1;
}

int EntityPool::SlotHolding(const Entity* pointer) const {
    for (int slot = 0; slot < GetSlotCount(); ++slot)
        if (IsUsed(slot) && GetAt(slot) == pointer)
            return slot;
    return -1;
}

bool EntityPool::Free(const Entity* entity) {
    const int slot = entity != nullptr ? SlotOf(entity) : -1;
    if (slot < 0)
        return false;
    FreeSlot(slot);
    return true;
}
