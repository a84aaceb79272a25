#include "Source/entities/entity_pool.h"

int EntityPool::SlotOf(const Entity* entity) const {
    for (int slot = 0; slot < GetSlotCount(); ++slot)
        if (IsUsed(slot) && GetAt(slot) == entity)
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
