// The region's script, the map objects' scripts and the events posted to them.
#include "Source/entities/entity_mgr.h"

#include "Library/core/game_mode_id.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/map_object.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"

template <class Visit> void EntityMgr::ForEachMapObjectOf(int type, Visit visit) const {
    PoolOfType(type)->ForEachUsed([&](Entity& entity) {
        MapObject* mapObject = nullptr;
        if (Entity::GetMapObject(&entity, &mapObject))
            visit(*mapObject);
    });
}

template <class Visit> void EntityMgr::ForEachMapObject(Visit visit) const {
    for (int type : {Entity::kTypeTrigger, Entity::kTypeContainerMap, Entity::kTypeDoor})
        ForEachMapObjectOf(type, visit);
}

bool EntityMgr::SetRegionScript(const Stringc& name) {
    if (name.Length() == 0)
        return false;
    m_header.regionScript = name;
    m_header.regionScript.StripExtension();
    return m_regionScript->LoadScript(CompiledScriptPath(name));
}

void EntityMgr::UpdateScripts(uint32_t frameMs) {
    if (CurrentModeId() == kModeMapEditor)
        return;
    m_regionScript->Update(frameMs);
    ForEachMapObject([&](MapObject& mapObject) { mapObject.GetScript().Update(frameMs); });
}

void EntityMgr::PostEvent1ToScripts() {
    m_regionScript->PostStartEvent();
    if (CurrentModeId() == kModeMapEditor)
        return;
    ForEachMapObject([](MapObject& mapObject) { mapObject.GetScript().PostStartEvent(); });
}

void EntityMgr::PostTransitionEventA() {
    m_regionScript->PostRegionEnteredEvent();
}

void EntityMgr::PostTransitionEventB() {
    m_combatCountdown = 0;
    m_regionScript->PostPartyPlacedEvent();
}

void EntityMgr::PostKeyEvent(int key) {
    m_regionScript->PostKeyEvent(key);
}

void EntityMgr::PostWorldMapEvent() {
    m_regionScript->PostEvent22();
    ForEachMapObjectOf(Entity::kTypeTrigger,
                       [](MapObject& mapObject) { mapObject.GetScript().PostEvent22(); });
}

void EntityMgr::RunSoldierSlotScriptsEvent(const Entity& entity) {
    const EntityRef& died = entity.GetRef();
    m_regionScript->PostEntityDiedEvent(died);
    PoolOfType(Entity::kTypeSoldier)->ForEachUsed([&](Entity& soldier) {
        for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
            static_cast<SoldierEntity&>(soldier).GetScriptSlot(slot).PostEntityDiedEvent(died);
    });
}

void EntityMgr::ClearSoldierSlotActions() {
    PoolOfType(Entity::kTypeSoldier)->ForEachUsed([](Entity& soldier) {
        for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
            static_cast<SoldierEntity&>(soldier).GetScriptSlot(slot).ClearActions();
    });
}
