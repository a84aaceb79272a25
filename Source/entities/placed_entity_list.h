#pragma once
// The entities a region definition places from their templates, in the order placed: the
// map editor's list, filled again when a definition is read. Not owned: the entities are the
// entity manager's.

#include "Source/entities/entity_ptr_list.h"

#include <vector>

class PlacedEntityList : public EntityPtrList {
public:
    int GetSlotCount() const override { return static_cast<int>(m_entities.size()); }
    bool IsUsed(int slot) const override { return GetAt(slot) != nullptr; }
    Entity* GetAt(int slot) const override;

    void Add(Entity* entity) { m_entities.push_back(entity); }
    void Clear() { m_entities.clear(); }
    bool Contains(const Entity* entity) const;
    void Remove(const Entity* entity); // its slot freed; nothing when no slot holds it

private:
    std::vector<Entity*> m_entities;
};
