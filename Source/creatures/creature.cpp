#include "Source/creatures/creature.h"

#include "Library/core/game_mode_id.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"

#include <algorithm>
#include <cstdint>

Creature::Creature(SoldierEntity& soldier)
    : m_soldier(soldier), m_healTimer(&soldier), m_data(this, &soldier), m_targets(soldier),
      m_art(soldier, m_data) {
    TileMap* map = soldier.GetManager() ? soldier.GetManager()->GetTileMap() : nullptr;
    if (map != nullptr)
        m_vision = std::make_unique<VisionGrid>(*map);
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

bool Creature::LoadScripts(int slot) {
    return m_soldier.LoadScripts(slot);
}

void Creature::Reset() {
    m_data.Reset();
    m_targets.Reset();
    m_art.Release();
    m_healTimer.Start();
}

bool Creature::LoadRecords(Stream& stream) {
    return m_data.Load(stream) && m_targets.Load(stream);
}

bool Creature::SaveRecords(Stream& stream) const {
    return m_data.Save(stream) && m_targets.Save(stream);
}

bool Creature::LoadHealTimer(Stream& stream) {
    return m_healTimer.Load(stream);
}

bool Creature::SaveHealTimer(Stream& stream) const {
    return m_healTimer.Save(stream);
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

bool Creature::CastSpell(uint32_t spellId, Entity* target, const Vector* point, bool useCharge) {
    SpellAbility* ability =
        g_uniSpellMgr ? g_uniSpellMgr->GetAbility(spellId, &m_soldier) : nullptr;
    if (ability == nullptr)
        return false;
    SpellMgr& spells = m_data.GetSpellMgr();
    float time = 0.0f;
    bool cast = false;
    if (target != nullptr) {
        const Spell* spell = ability->GetSpell();
        EntityMgr* manager = m_soldier.GetManager();
        if (spell != nullptr && spell->IsOffensive()) {
            if (manager != nullptr)
                manager->StartCombatCountdown();
            m_soldier.RecordAttackOn(target, ability->GetCursorKind());
        }
        cast = spells.CastOnTarget(*ability, target, useCharge, time);
    } else if (point != nullptr) {
        cast = spells.CastAtPoint(*ability, *point, useCharge, time);
    } else {
        cast = spells.Cast(*ability, useCharge, time);
    }
    if (cast)
        ChargeTime(time);
    return cast;
}

CarriedItems* Creature::GetCarried() {
    return &m_data.GetInventory();
}

void Creature::ChargeTime(float seconds) {
    m_data.AddTimer(seconds, CurrentModeId() == kModeAreaMap);
}

void Creature::FadeColours(bool in) {
    m_data.FadeColours(in);
}

float Creature::GetSightRange() const {
    return static_cast<float>(CreatureData::GetSightRange());
}

bool Creature::CanSee(const Vector& point) const {
    return m_vision != nullptr && m_vision->IsVisible(point);
}

void Creature::RecomputeVision(const Vector& position) {
    if (m_visionStill && position.x == m_stillAt.x && position.y == m_stillAt.y)
        return;
    if (!m_vision)
        return;
    m_visionStill = !m_vision->Recompute(position, CreatureData::GetSightRange());
    m_stillAt = position;
}

void Creature::UpdateRecords(uint32_t frameMs) {
    m_data.Update(frameMs);
    m_targets.Update();
}

void Creature::RefreshArt() {
    m_art.Refresh(m_soldier.GetFrameMs());
}
