#pragma once
// The entities' part of a region for regions that place no entities: the header of four
// texts (the region script, grid table A, a third text, grid table B) and counts that are
// all 0. The region script is applied when read; the other three texts are kept as read
// and written back. A region that holds entities is refused with a message, so none is
// ever lost.
//
// Definition: the header; u32 placed count; u32 counts of the triggers, chests and doors.
// Saved region: the header; nine u32 pool counts.

#include "Library/core/stringc.h"
#include "Source/world/region_entity_store.h"

#include <cstdint>

class RegionHeaderStore : public RegionEntityStore {
public:
    static constexpr int kDefinitionCounts = 4;
    static constexpr int kSavedCounts = 9;

    bool LoadDefinition(EntityMgr& entities, Stream& stream, EntityPtrList* placed) override;
    bool SaveDefinition(EntityMgr& entities, Stream& stream, const EntityPtrList* placed) override;
    bool Load(EntityMgr& entities, Stream& stream) override;
    bool Save(EntityMgr& entities, Stream& stream) override;

private:
    bool Read(EntityMgr& entities, Stream& stream, int counts);
    bool Write(EntityMgr& entities, Stream& stream, int counts) const;

    Stringc m_gridTableA;
    Stringc m_headerText3;
    Stringc m_gridTableB;
};
