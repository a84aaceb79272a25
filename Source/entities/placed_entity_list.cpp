#include "Source/entities/placed_entity_list.h"

#include <algorithm>

Entity* PlacedEntityList::GetAt(int slot) const {
    return slot >= 0 && slot < GetSlotCount() ? m_entities[static_cast<size_t>(slot)] : nullptr;
}

bool PlacedEntityList::Contains(const Entity* entity) const {
    return entity != nullptr && std::find(m_entities.begin(), m_entities.end(), entity) !=
                                    m_entities.end();
}

void PlacedEntityList::Remove(const Entity* entity) {
    if (entity != nullptr)
        std::replace(m_entities.begin(), m_entities.end(), const_cast<Entity*>(entity),
                     static_cast<Entity*>(nullptr));
}
