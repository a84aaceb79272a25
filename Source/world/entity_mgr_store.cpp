#include "Source/world/entity_mgr_store.h"

#include "Source/entities/entity_mgr.h"

bool EntityMgrStore::LoadDefinition(EntityMgr& entities, Stream& stream, PlacedEntityList* placed) {
    return entities.LoadRegionDefinition(stream, placed);
}

bool EntityMgrStore::SaveDefinition(EntityMgr& entities, Stream& stream,
                                    const EntityPtrList* placed) {
    return entities.SaveRegionDefinition(stream, placed);
}

bool EntityMgrStore::Load(EntityMgr& entities, Stream& stream) {
    return entities.Load(stream);
}

bool EntityMgrStore::Save(EntityMgr& entities, Stream& stream) {
    return entities.Save(stream);
}
