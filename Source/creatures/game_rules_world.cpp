// The checks of world map travel.
#include "Source/creatures/game_rules.h"

#include "Source/entities/entity_mgr.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"

namespace {

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
    SoldierEntity* soldier = nullptr;
    if (!m_encounterTimer->Tick(static_cast<int>(frameMs)) ||
        !Entity::AsSoldier(creature, &soldier) || !soldier->HasPending())
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
