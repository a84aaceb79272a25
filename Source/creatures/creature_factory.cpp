#include "Source/creatures/creature_factory.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_behaviour.h"

std::unique_ptr<CreatureParts> CreatureFactory::CreateCreature(SoldierEntity& soldier) const {
    return std::make_unique<Creature>(soldier);
}

std::unique_ptr<CreatureCommands> CreatureFactory::CreateBehaviour(SoldierEntity& soldier) const {
    return std::make_unique<CreatureBehaviour>(soldier);
}

ScopedCreatureFactory::ScopedCreatureFactory() : m_previous(&GetSoldierPartsFactory()) {
    SetSoldierPartsFactory(&m_factory);
}

ScopedCreatureFactory::~ScopedCreatureFactory() {
    SetSoldierPartsFactory(m_previous);
}
