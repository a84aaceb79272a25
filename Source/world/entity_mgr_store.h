#pragma once
// The entities' part of a region's stored forms, as the entity manager reads and writes
// them: the definition with the placed entities and the placements of triggers, chests and
// doors, and the saved region with every entity kept.

#include "Source/world/region_entity_store.h"

class EntityMgrStore : public RegionEntityStore {
public:
    bool LoadDefinition(EntityMgr& entities, Stream& stream, PlacedEntityList* placed) override;
    bool SaveDefinition(EntityMgr& entities, Stream& stream, const EntityPtrList* placed) override;
    bool Load(EntityMgr& entities, Stream& stream) override;
    bool Save(EntityMgr& entities, Stream& stream) override;
};
