// The region's entities in their two stored forms: the saved region and the definition.
#include "Source/entities/entity_mgr.h"

#include "Library/core/stream.h"
#include "Library/geometry/stored_vectors.h"
#include "Library/scripts/stored_text.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/party_services.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/entities/trigger_entity.h"

#include <cstdio>

namespace {

// Records carry no type code of their own: readers follow this order.
constexpr int kSavedPools[] = {
    Entity::kTypeBase,    Entity::kTypeContainerMap, Entity::kTypeTrigger,
    Entity::kTypeSoldier, Entity::kTypeCycle,        Entity::kTypeBinary,
    Entity::kTypeDoor,    Entity::kTypeItem,         Entity::kTypeTown};
constexpr int kPlacementPools[] = {Entity::kTypeTrigger, Entity::kTypeContainerMap,
                                   Entity::kTypeDoor};

// Every record begins with a placed object's 36 bytes, or holds more than that many.
constexpr long kMinimumRecordBytes = 36;

bool IsOpen(Stream& stream) {
    return stream.CheckOpen() == kStreamOk;
}

// An item lying on the map shows its second icon there; one held somewhere is hidden.
bool ShowOnMap(Entity& entity) {
    ItemEntity* item = nullptr;
    return !Entity::AsItem(&entity, &item) || item->IsHidden() || item->LoadIcon2();
}

// A u32 count, then as many records of the type, each read into a new entity of the type.
template <class Read>
bool ReadEach(EntityMgr& manager, int type, Stream& stream, const char* form, Read read) {
    uint32_t count = 0;
    if (!ReadStoredCount(stream, kMinimumRecordBytes, form, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        Entity* entity = manager.CreateEntity(0.0f, 0.0f, 0.0f, type);
        if (entity == nullptr || !read(*entity)) {
            std::fprintf(stderr, "%s: entity %u of type %d cannot be read\n", form, i, type);
            return false;
        }
    }
    return true;
}

} // namespace

bool EntityMgr::SaveHeader(Stream& stream) const {
    return m_header.regionScript.Write(stream) && m_header.gridTableA.Write(stream) &&
           m_header.text.Write(stream) && m_header.gridTableB.Write(stream);
}

bool EntityMgr::LoadHeader(Stream& stream) {
    Header header;
    if (!ReadStoredName(stream, header.regionScript) ||
        !ReadStoredName(stream, header.gridTableA) || !ReadStoredText(stream, header.text) ||
        !ReadStoredName(stream, header.gridTableB))
        return false;
    m_headerFailures = 0;
    // stored without its extension: the one cut must not take a dot of the name's own
    if (header.regionScript.Length() > 0 && !SetRegionScript(header.regionScript + ".scr"))
        m_headerFailures |= kRegionScriptFailed;
    if (header.gridTableA.Length() > 0 && !m_gridTableA.Load(header.gridTableA.c_str()))
        m_headerFailures |= kGridTableAFailed;
    if (header.gridTableB.Length() > 0 && !m_gridTableB.Load(header.gridTableB.c_str()))
        m_headerFailures |= kGridTableBFailed;
    if (m_headerFailures != 0)
        std::fprintf(stderr, "Region header: %s%s%scannot be loaded\n",
                     m_headerFailures & kRegionScriptFailed ? "the region script, " : "",
                     m_headerFailures & kGridTableAFailed ? "the first grid table, " : "",
                     m_headerFailures & kGridTableBFailed ? "the second grid table, " : "");
    m_header = header; // as read, so that saving again keeps every name
    return true;
}

bool EntityMgr::IsSavedWithRegion(const Entity& entity) const {
    if (entity.IsHidden())
        return false;
    if (entity.GetType() != Entity::kTypeSoldier)
        return true;
    return !entity.HasAnyFlag(Entity::kFlagNeverSaved) &&
           (m_party == nullptr || !m_party->IsMember(&entity));
}

bool EntityMgr::SavePool(int type, Stream& stream) const {
    const EntityPool* pool = PoolOfType(type);
    uint32_t count = 0;
    pool->ForEachUsed([&](const Entity& entity) { count += IsSavedWithRegion(entity); });
    bool written = stream.WriteValue(count);
    pool->ForEachUsed([&](const Entity& entity) {
        written = written && (!IsSavedWithRegion(entity) || entity.Save(stream));
    });
    return written;
}

bool EntityMgr::LoadPool(int type, Stream& stream) {
    return ReadEach(*this, type, stream, "Saved region",
                    [&](Entity& entity) { return entity.Load(stream) && ShowOnMap(entity); });
}

bool EntityMgr::Save(Stream& stream) const {
    if (!IsOpen(stream) || !SaveHeader(stream))
        return false;
    for (int type : kSavedPools)
        if (!SavePool(type, stream))
            return false;
    return true;
}

bool EntityMgr::Load(Stream& stream) {
    if (!IsOpen(stream))
        return false;
    Clear();
    if (!LoadHeader(stream))
        return false;
    for (int type : kSavedPools)
        if (!LoadPool(type, stream))
            return false;
    return true;
}

bool EntityMgr::SavePlacements(int type, Stream& stream) {
    const EntityPool* pool = PoolOfType(type);
    uint32_t count = 0;
    pool->ForEachUsed([&](const Entity&) { ++count; });
    bool written = stream.WriteValue(count);
    pool->ForEachUsed([&](Entity& entity) {
        if (!written)
            return;
        if (type == Entity::kTypeTrigger)
            written = static_cast<TriggerEntity&>(entity).SavePlacement(stream);
        else if (type == Entity::kTypeContainerMap)
            written = static_cast<ContainerMapEntity&>(entity).SavePlacement(stream);
        else
            written = static_cast<DoorEntity&>(entity).SavePlacement(stream);
    });
    return written;
}

bool EntityMgr::LoadPlacements(int type, Stream& stream) {
    return ReadEach(*this, type, stream, "Region definition", [&](Entity& entity) {
        if (type == Entity::kTypeTrigger)
            return static_cast<TriggerEntity&>(entity).LoadPlacement(stream);
        if (type == Entity::kTypeContainerMap)
            return static_cast<ContainerMapEntity&>(entity).LoadPlacement(stream);
        return static_cast<DoorEntity&>(entity).LoadPlacement(stream);
    });
}

bool EntityMgr::SaveRegionDefinition(Stream& stream, const EntityPtrList* placed) {
    if (!IsOpen(stream) || !SaveHeader(stream))
        return false;
    uint32_t count = 0;
    if (placed != nullptr)
        placed->ForEachUsed([&](const Entity&) { ++count; });
    bool written = stream.WriteValue(count);
    if (placed != nullptr)
        placed->ForEachUsed([&](const Entity& entity) {
            WorldObject record;
            record.Copy(entity);
            written = written && entity.GetTemplateName().Write(stream) && record.Write(stream);
        });
    if (!written)
        return false;
    for (int type : kPlacementPools)
        if (!SavePlacements(type, stream))
            return false;
    return true;
}

bool EntityMgr::LoadRegionDefinition(Stream& stream, PlacedEntityList* placed) {
    Clear();
    if (placed != nullptr)
        placed->Clear();
    uint32_t count = 0;
    if (!IsOpen(stream) || !LoadHeader(stream) ||
        !ReadStoredCount(stream, kMinimumRecordBytes, "placed entities", count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        Stringc templateName;
        WorldObject record;
        if (!ReadStoredName(stream, templateName) || !record.Read(stream))
            return false;
        Entity* entity = CreateEntity(0.0f, 0.0f, 0.0f, record.GetKind());
        const bool loaded = entity != nullptr && entity->LoadByName(templateName);
        if (loaded)
            entity->Copy(record); // the placement's position, kind and flags
        if (!loaded || !ShowOnMap(*entity)) {
            std::fprintf(stderr, "Region definition: %s of type %d cannot be placed\n",
                         templateName.c_str(), record.GetKind());
            return false;
        }
        if (placed != nullptr)
            placed->Add(entity);
    }
    for (int type : kPlacementPools)
        if (!LoadPlacements(type, stream))
            return false;
    return true;
}
