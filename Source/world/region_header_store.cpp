#include "Source/world/region_header_store.h"

#include "Library/core/stream.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"

#include <cstdio>

namespace {

bool HoldsEntities(const EntityMgr& entities) {
    for (int type = 0; type < Entity::kTypeCount; ++type)
        for (int slot = 0; slot < entities.GetSlotCount(type); ++slot)
            if (entities.IsSlotUsed(type, slot))
                return true;
    return false;
}

} // namespace

bool RegionHeaderStore::Read(EntityMgr& entities, Stream& stream, int counts) {
    Stringc script, gridA, text3, gridB;
    if (stream.CheckOpen() != kStreamOk || !script.Read(stream) || !gridA.Read(stream) ||
        !text3.Read(stream) || !gridB.Read(stream))
        return false;
    for (int i = 0; i < counts; ++i) {
        uint32_t count = 0;
        if (!stream.ReadValue(count))
            return false;
        if (count != 0) {
            std::fprintf(stderr, "Region %s: its %u entities cannot be placed\n", script.c_str(),
                         count);
            return false;
        }
    }
    entities.Clear();
    entities.SetRegionScript(script);
    m_gridTableA = gridA;
    m_headerText3 = text3;
    m_gridTableB = gridB;
    return true;
}

bool RegionHeaderStore::Write(EntityMgr& entities, Stream& stream, int counts) const {
    if (HoldsEntities(entities)) {
        std::fprintf(stderr, "Region %s: its entities cannot be stored\n",
                     entities.GetRegionScriptName().c_str());
        return false;
    }
    if (stream.CheckOpen() != kStreamOk || !entities.GetRegionScriptName().Write(stream) ||
        !m_gridTableA.Write(stream) || !m_headerText3.Write(stream) || !m_gridTableB.Write(stream))
        return false;
    for (int i = 0; i < counts; ++i)
        if (!stream.WriteValue(uint32_t{0}))
            return false;
    return true;
}

bool RegionHeaderStore::LoadDefinition(EntityMgr& entities, Stream& stream,
                                       EntityPtrList* /*placed*/) {
    return Read(entities, stream, kDefinitionCounts);
}

bool RegionHeaderStore::SaveDefinition(EntityMgr& entities, Stream& stream,
                                       const EntityPtrList* placed) {
    bool placedAny = false;
    if (placed)
        placed->ForEachUsed([&](Entity&) { placedAny = true; });
    if (placedAny) {
        std::fprintf(stderr, "Region %s: its placed entities cannot be stored\n",
                     entities.GetRegionScriptName().c_str());
        return false;
    }
    return Write(entities, stream, kDefinitionCounts);
}

bool RegionHeaderStore::Load(EntityMgr& entities, Stream& stream) {
    return Read(entities, stream, kSavedCounts);
}

bool RegionHeaderStore::Save(EntityMgr& entities, Stream& stream) {
    return Write(entities, stream, kSavedCounts);
}
