#pragma once
// The entities' part of a region's two stored forms: the definition the map editor writes
// at the head of a ".reg" file, and the saved region kept in the saved game. The placed
// list is the map editor's list of the entities it placed; null in play.

class EntityMgr;
class EntityPtrList;
class PlacedEntityList;
class Stream;

class RegionEntityStore {
public:
    virtual ~RegionEntityStore() = default;

    virtual bool LoadDefinition(EntityMgr& entities, Stream& stream, PlacedEntityList* placed) = 0;
    virtual bool SaveDefinition(EntityMgr& entities, Stream& stream,
                                const EntityPtrList* placed) = 0;
    virtual bool Load(EntityMgr& entities, Stream& stream) = 0;
    virtual bool Save(EntityMgr& entities, Stream& stream) = 0;
};
