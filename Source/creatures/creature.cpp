#include "Source/creatures/creature.h"

#include "Source/creatures/effect_mgr.h"
#include "Source/entities/soldier_entity.h"

Creature::Creature(SoldierEntity& soldier, TileMap& map, CreatureOwner* scripts)
    : m_soldier(soldier), m_data(scripts), m_targets(soldier), m_vision(map) {}

Creature::~Creature() = default;

Creature* Creature::Of(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(entity, &soldier))
        return nullptr;
    return dynamic_cast<Creature*>(soldier->GetCreature());
}

CreatureEffects& Creature::GetEffects() {
    return m_data.GetEffectMgr();
}

float Creature::GetSightRange() const {
    return static_cast<float>(CreatureData::GetSightRange());
}
