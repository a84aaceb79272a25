#include "Source/creatures/creature.h"

#include "Source/creatures/effect_mgr.h"
#include "Source/entities/soldier_entity.h"

Creature::Creature(SoldierEntity& soldier, TileMap& map, CreatureOwner* scripts)
    : m_soldier(soldier), m_data(scripts, &soldier), m_targets(soldier), m_vision(map),
      m_healTimer(&soldier) {
    m_healTimer.Start();
}

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

void Creature::UpdateFrame(uint32_t frameMs) {
    m_healTimer.Update();
    m_data.Update(frameMs);
}
