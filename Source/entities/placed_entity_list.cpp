#include "Source/entities/placed_entity_list.h"

Entity* PlacedEntityList::GetAt(int slot) const {
    return slot >= 0 && slot < GetSlotCount() ? m_entities[static_cast<size_t>(slot)] : nullptr;
}
