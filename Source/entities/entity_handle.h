#pragma once
// A reference to one entity that notices when the entity is gone: released, or its pool
// object handed out again as another entity.

#include "Source/entities/entity.h"
#include "Source/entities/entity_mgr.h"

#include <cstdint>

class EntityHandle {
public:
    EntityHandle() = default;
    explicit EntityHandle(Entity* entity)
        : m_entity(entity), m_incarnation(entity ? entity->GetIncarnation() : 0) {}

    // The entity while it is still the one taken; null after that, and for none.
    Entity* Get(const EntityMgr& manager) const {
        return m_entity != nullptr && manager.IsLive(m_entity) &&
                       m_entity->GetIncarnation() == m_incarnation
                   ? m_entity
                   : nullptr;
    }
    bool IsSet() const { return m_entity != nullptr; }

private:
    Entity* m_entity = nullptr;
    uint32_t m_incarnation = 0;
};
