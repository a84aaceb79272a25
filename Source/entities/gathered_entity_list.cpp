#include "Source/entities/gathered_entity_list.h"

#include <algorithm>

Entity* GatheredEntityList::GetAt(int slot) const {
    return slot >= 0 && slot < GetSlotCount() ? m_entities[static_cast<size_t>(slot)] : nullptr;
}

bool GatheredEntityList::Holds(const Entity* entity) const {
    return entity != nullptr &&
           std::find(m_entities.begin(), m_entities.end(), entity) != m_entities.end();
}

void GatheredEntityList::Add(Entity* entity) {
    if (entity == nullptr)
        return;
    const auto freeSlot = std::find(m_entities.begin(), m_entities.end(), nullptr);
    if (freeSlot != m_entities.end())
        *freeSlot = entity;
    else
        m_entities.push_back(entity);
}

void GatheredEntityList::RemoveAt(int slot) {
    if (slot >= 0 && slot < GetSlotCount())
        m_entities[static_cast<size_t>(slot)] = nullptr;
}
