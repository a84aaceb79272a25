#include "Source/entities/entity_mgr.h"

#include "Library/world/tile_map.h"
#include "Source/entities/binary_entity.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/cycle_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/party_services.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_cells.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_names.h"
#include "Source/entities/soldier_planner.h"
#include "Source/entities/town_entity.h"
#include "Source/entities/trigger_entity.h"

#include <algorithm>

uint32_t g_combatTickAccumulator = 0;
EntityMgr* g_entityMgr = nullptr;

namespace {

constexpr int kPoolOfType[Entity::kTypeCount] = {0, 1, -1, 2, 3, 4, 5, 6, -1, 7, 8, 9};
constexpr int kTypeOfPool[EntityMgr::kPoolCount] = {0, 1, 3, 4, 5, 6, 7, 9, 10, 11};

} // namespace

EntityMgr::EntityMgr(TileMap* tileMap, PartyServices* party)
    : EntityMgr(tileMap, party, MakeClassPool) {}

EntityMgr::EntityMgr(TileMap* tileMap, PartyServices* party, PoolMaker makePool)
    : m_regionScript(GetScriptMachineFactory().Create(nullptr)), m_tileMap(tileMap),
      m_party(party) {
    SetTileMap(tileMap);
    for (int index = 0; index < kPoolCount; ++index)
        m_pools[index] = makePool(TypeOfPool(index), this);
    m_soldierCells = std::make_unique<SoldierCells>(*PoolOfType(Entity::kTypeSoldier));
    m_soldierNames = std::make_unique<SoldierNames>(*PoolOfType(Entity::kTypeSoldier));
    m_soldierCells->SetMap(tileMap);
    Clear();
}

void EntityMgr::SetTileMap(TileMap* tileMap) {
    m_tileMap = tileMap;
    m_planner = tileMap ? std::make_unique<SoldierPlanner>(*this, *tileMap) : nullptr;
    if (m_soldierCells)
        m_soldierCells->SetMap(tileMap);
}

void EntityMgr::SoldierMoved(const Entity& soldier) {
    if (m_soldierCells)
        m_soldierCells->Moved(soldier);
}

void EntityMgr::SoldierRenamed() {
    if (m_soldierNames)
        m_soldierNames->Renamed();
}

void EntityMgr::SoldierFlagsChanged() {
    if (m_soldierCells)
        m_soldierCells->Forget();
}

const uint64_t* EntityMgr::GetHeldSoldierRound() const {
    return m_soldierCells ? &m_soldierCells->GetHeldRound() : nullptr;
}

uint32_t EntityMgr::SoldierHeldFlags(const Entity& soldier, uint32_t flags) {
    return m_soldierCells ? m_soldierCells->HeldFlags(soldier, flags) : flags;
}

std::unique_ptr<EntityPool> EntityMgr::MakeClassPool(int type, EntityMgr* manager) {
    switch (type) {
    case Entity::kTypeItem:
        return std::make_unique<TypedEntityPool<ItemEntity>>(manager);
    case Entity::kTypeSoldier:
        return std::make_unique<TypedEntityPool<SoldierEntity>>(manager);
    case Entity::kTypeProjectile:
        return std::make_unique<TypedEntityPool<ProjectileEntity>>(manager);
    case Entity::kTypeCycle:
        return std::make_unique<TypedEntityPool<CycleEntity>>(manager);
    case Entity::kTypeBinary:
        return std::make_unique<TypedEntityPool<BinaryEntity>>(manager);
    case Entity::kTypeDoor:
        return std::make_unique<TypedEntityPool<DoorEntity>>(manager);
    case Entity::kTypeContainerMap:
        return std::make_unique<TypedEntityPool<ContainerMapEntity>>(manager);
    case Entity::kTypeTrigger:
        return std::make_unique<TypedEntityPool<TriggerEntity>>(manager);
    case Entity::kTypeTown:
        return std::make_unique<TypedEntityPool<TownEntity>>(manager);
    default:
        return std::make_unique<TypedEntityPool<Entity>>(manager);
    }
}

EntityMgr::~EntityMgr() {
    TakeAllOffTileMap();
}

void EntityMgr::Clear() {
    m_header = Header();
    m_headerFailures = 0;
    m_regionScript->Reset();
    TakeAllOffTileMap();
    if (m_soldierCells)
        m_soldierCells->ReleaseAll();
    if (m_party != nullptr)
        PoolOfType(Entity::kTypeSoldier)->ForEachUsed([this](Entity& soldier) {
            m_party->ForgetMember(&soldier);
        });
    for (const std::unique_ptr<EntityPool>& pool : m_pools)
        pool->FreeAll();
    if (m_soldierCells)
        m_soldierCells->Forget(); // of soldiers no longer used
    m_releaseList.clear();
    m_ringList = GatheredEntityList();
    m_inCombat = false;
    m_combatCountdown = 0;
}

// The map's lists must never hold an entity that is freed, reused or deleted.
void EntityMgr::TakeAllOffTileMap() {
    if (m_tileMap == nullptr)
        return;
    for (const std::unique_ptr<EntityPool>& pool : m_pools)
        pool->ForEachUsed([&](Entity& entity) {
            m_tileMap->RemoveObject(&entity);
            m_tileMap->RemoveObjectFromExtraList(&entity);
        });
}

int EntityMgr::PoolIndexOfType(int type) {
    return type >= 0 && type < Entity::kTypeCount ? kPoolOfType[type] : -1;
}

int EntityMgr::TypeOfPool(int index) {
    return kTypeOfPool[index];
}

EntityPool* EntityMgr::PoolOfType(int type) const {
    const int index = PoolIndexOfType(type);
    return index >= 0 ? m_pools[index].get() : nullptr;
}

Entity* EntityMgr::CreateEntity(float x, float y, float z, int type) {
    EntityPool* pool = PoolOfType(type);
    if (pool == nullptr)
        return nullptr;
    Entity* entity = pool->Alloc();
    entity->Init();
    entity->SetPosition(Vector(x, y, z));
    return entity;
}

void EntityMgr::ReleaseEntity(Entity* entity) {
    if (EntityPool* pool = entity ? PoolOfType(entity->GetType()) : nullptr)
        FreeEntity(*pool, entity);
}

bool EntityMgr::FreeEntity(EntityPool& pool, Entity* entity) {
    if (pool.SlotOf(entity) < 0)
        return false;
    // Its slot may be handed out again before the next frame: the newcomer must not go
    // in its place.
    m_releaseList.erase(std::remove(m_releaseList.begin(), m_releaseList.end(), entity),
                        m_releaseList.end());
    if (entity->GetType() == Entity::kTypeDoor) // its picture goes from the tiles with it
        static_cast<DoorEntity*>(entity)->GetMapObject().TakePatchOff();
    if (m_tileMap != nullptr) {
        if (entity->GetType() == Entity::kTypeSoldier) {
            m_tileMap->RemoveObject(entity);
            m_tileMap->RemoveObjectFromExtraList(entity);
        } else if (!entity->IsHidden()) {
            m_tileMap->RemoveObject(entity);
        }
    }
    if (entity->GetType() == Entity::kTypeSoldier) {
        entity->HoldFlagsBy(nullptr); // it keeps what it held
        m_soldierCells->Forget();     // of a soldier no longer used
        if (m_party != nullptr)       // its slot may soon hold a creature the party never took
            m_party->ForgetMember(entity);
    }
    return pool.Free(entity);
}

void EntityMgr::ScheduleRelease(Entity* entity) {
    if (entity == nullptr)
        return;
    for (const Entity* scheduled : m_releaseList)
        if (scheduled == entity)
            return;
    m_releaseList.push_back(entity);
}

// Off the tile map as well: the map's lists must never hold a freed entity, which its pool
// hands out again elsewhere.
void EntityMgr::FreeSlot(int type, int index) {
    if (IsSlotUsed(type, index))
        FreeEntity(*PoolOfType(type), GetEntity(type, index));
}

void EntityMgr::ReleaseScheduled() {
    std::vector<Entity*> scheduled;
    scheduled.swap(m_releaseList);
    for (Entity* entity : scheduled)
        for (const std::unique_ptr<EntityPool>& pool : m_pools)
            if (FreeEntity(*pool, entity))
                break;
}

int EntityMgr::GetSlotCount(int type) const {
    const EntityPool* pool = PoolOfType(type);
    return pool ? pool->GetSlotCount() : 0;
}

// A code without a pool has no used slots.
bool EntityMgr::IsSlotUsed(int type, int index) const {
    const EntityPool* pool = PoolOfType(type);
    return pool != nullptr && index >= 0 && index < pool->GetSlotCount() && pool->IsUsed(index);
}

Entity* EntityMgr::GetEntity(int type, int index) const {
    const EntityPool* pool = PoolOfType(type);
    return pool ? pool->GetAt(index) : nullptr;
}

bool EntityMgr::IsLive(const Entity* entity) const {
    if (entity == nullptr)
        return false;
    const EntityPool* pool = PoolOfType(entity->GetType());
    return pool == nullptr || pool->SlotOf(entity) >= 0;
}

bool EntityMgr::IsInUsedSlot(const Entity* entity) const {
    for (const std::unique_ptr<EntityPool>& pool : m_pools)
        if (pool->SlotHolding(entity) >= 0)
            return true;
    return false;
}

bool EntityMgr::IsItemLive(const Entity* entity) const {
    return entity != nullptr && PoolOfType(Entity::kTypeItem)->SlotHolding(entity) >= 0;
}

bool EntityMgr::IsSoldierLive(const Entity* entity) const {
    return entity != nullptr && PoolOfType(Entity::kTypeSoldier)->SlotHolding(entity) >= 0;
}

Entity* EntityMgr::FindByName(int type, const Stringc& name) const {
    const EntityPool* pool = PoolOfType(type);
    if (pool == nullptr)
        return nullptr;
    for (int slot = 0; slot < pool->GetSlotCount(); ++slot)
        if (pool->IsUsed(slot) && pool->GetAt(slot)->GetTemplateName() == name)
            return pool->GetAt(slot);
    return nullptr;
}

Entity* EntityMgr::FindSoldierByName(const Stringc& name) const {
    return FindByName(Entity::kTypeSoldier, name);
}

Entity* EntityMgr::GetActivePartyMember() const {
    return m_party ? m_party->GetLeader() : nullptr;
}
