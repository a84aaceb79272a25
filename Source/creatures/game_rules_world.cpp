// The checks of world map travel.
#include "Source/creatures/game_rules.h"

#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/town_entity.h"

namespace {

// The soldier that creature is, while it acts in a region.
SoldierEntity* TravellingSoldier(Entity* creature) {
    SoldierEntity* soldier = nullptr;
    return Entity::AsSoldier(creature, &soldier) && soldier->HasPending() &&
                   soldier->GetManager() != nullptr
               ? soldier
               : nullptr;
}

// The manager of a soldier standing where no town lies.
EntityMgr* ManagerAwayFromTowns(Entity* creature) {
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(creature, &soldier) || soldier->GetManager() == nullptr)
        return nullptr;
    Entity* town = nullptr;
    if (FindTownAt(*soldier->GetManager(), soldier->GetPosition(), town))
        return nullptr;
    return soldier->GetManager();
}

} // namespace

bool GameRules::TryWorldEncounter(Entity* creature, uint32_t frameMs, Stringc& encounter) {
    if (!m_encounterTimer->Tick(static_cast<int>(frameMs)) ||
        TravellingSoldier(creature) == nullptr)
        return false;
    const EntityMgr* manager = ManagerAwayFromTowns(creature);
    int percent = 0;
    return manager != nullptr && manager->GetTableValueA(creature->GetPosition(), percent) &&
           Chance(percent) && manager->GetTableValueB(creature->GetPosition(), encounter);
}

bool GameRules::WorldEncounterAt(Entity* creature, Stringc& encounter) {
    const EntityMgr* manager = ManagerAwayFromTowns(creature);
    return manager != nullptr && manager->GetTableValueB(creature->GetPosition(), encounter);
}

bool GameRules::TryDiscoverTowns(Entity* creature, uint32_t frameMs) {
    if (!m_discoveryTimer->Tick(static_cast<int>(frameMs)))
        return false;
    SoldierEntity* soldier = TravellingSoldier(creature);
    EntityPtrList* towns = nullptr;
    if (soldier == nullptr || !soldier->GetManager()->GetPool(Entity::kTypeTown, towns))
        return false;
    bool discovered = false;
    towns->ForEachUsed([&](Entity& entity) {
        TownEntity* town = nullptr;
        if (Entity::AsTown(&entity, &town) && town->TryDiscover(*soldier))
            discovered = true;
    });
    return discovered;
}
