#pragma once
// A list of entities gathered from queries, not owned: an entry goes into the first free
// slot, so slot order is not the order of gathering once entries were taken out.

#include "Source/entities/entity_ptr_list.h"

#include <vector>

class GatheredEntityList : public EntityPtrList {
public:
    int GetSlotCount() const override { return static_cast<int>(m_entities.size()); }
    bool IsUsed(int slot) const override { return GetAt(slot) != nullptr; }
    Entity* GetAt(int slot) const override;

    bool Holds(const Entity* entity) const; // null never
    void Add(Entity* entity);               // null adds nothing
    void RemoveAt(int slot);  // frees the slot for the next entry

private:
    std::vector<Entity*> m_entities;
};
