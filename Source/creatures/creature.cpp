#include "Source/creatures/creature.h"

#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/soldier_entity.h"

#include <algorithm>
#include <cstdint>

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

// A difficulty far beyond the skill leaves no chance rather than wrapping round.
bool Creature::TestSkill(int skill, int difficulty) {
    const int64_t chance = int64_t{m_data.GetSkill(skill)} - difficulty;
    return chance >= 1 && GameRules::Chance(static_cast<int>(std::min<int64_t>(chance, 100)));
}
