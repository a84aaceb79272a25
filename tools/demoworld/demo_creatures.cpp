#include "tools/demoworld/demo_creatures.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_animation_mgr.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/select_player_script_panel.h"
#include "tools/demoworld/demo_creature_scripts.h"
#include "tools/templatewriter/template_writer.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr uint32_t kPlayerSide = 2;
constexpr uint32_t kNeutralSide = 100;
constexpr uint32_t kHostileSide = 200;
constexpr uint32_t kLiving = 1;
constexpr float kRadius = 0.5f;
constexpr uint32_t kHeight = 4; // world units, where the status bars start

struct Kind {
    const char* name;
    bool scripted;          // the scientists' scripts in slots 0 to 3
    const char* idleScript; // the player's, in slot 4; null for none
    const char* weapon;     // held in the hand; null for none
    const char* displayName;
    uint32_t side;
    uint16_t body;
    float hitPoints;
    int16_t attribute; // every attribute's
    int16_t meleeSkill;
    uint32_t killExperience;
};

const Kind kKinds[] = {
    {DemoCreatures::kPlayer, false, nullptr, "sword", "Idyl", kPlayerSide,
     CreatureAnimationMgr::kCompositeBody, 40.0f, 6, 70, 0},
    {DemoCreatures::kNewGamePlayer, false, SelectPlayerScriptPanel::kScriptNames[0], "sword",
     "Idyl", kPlayerSide, CreatureAnimationMgr::kCompositeBody, 40.0f, 6, 70, 0},
    {DemoCreatures::kHostile, true, nullptr, "sword", "Mad scientist", kHostileSide, 1, 12.0f, 4,
     40, 50},
    {DemoCreatures::kNeutral, true, nullptr, nullptr, "Scientist", kNeutralSide, 1, 12.0f, 4, 20,
     25},
};

// The weapon's template, made in the soldier's manager, into its current hand.
bool Arm(SoldierEntity& soldier, CreatureInventory& inventory, const char* weapon) {
    ItemEntity* item = nullptr;
    ItemEntity* held = nullptr;
    return Entity::AsItem(soldier.GetManager()->CreateEntity(0, 0, 0, Entity::kTypeItem), &item) &&
           item->LoadByName(weapon) && inventory.AddToCurrentHand(item, held);
}

bool Fill(Entity& entity, const Kind& kind) {
    auto& soldier = static_cast<SoldierEntity&>(entity);
    soldier.GetRef().Set(kind.side, kLiving, 0, 0, 0, 0, 0);
    soldier.SetRadius(kRadius, kHeight);
    soldier.SetDisplayName(kind.displayName);
    soldier.SetState(SoldierEntity::kStateStanding);
    CreatureData& data = Creature::Of(&entity)->GetData();
    data.SetBodyType(0, kind.body);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        data.SetAttribute(attribute, kind.attribute);
    data.SetLevel(1);
    data.ComputeDerivedStats();
    data.SetMaxHitPoints(kind.hitPoints);
    data.AddHitPoints(kind.hitPoints);
    for (int skill = 0; skill < CreatureData::kSkillCount; ++skill)
        data.SetSkill(skill, 0, kind.meleeSkill);
    data.SetKillExperience(kind.killExperience);
    if (kind.scripted)
        for (int slot = 0; slot < static_cast<int>(std::size(DemoCreatureScripts::kNames)); ++slot)
            data.SetScript(slot, DemoCreatureScripts::kNames[slot]);
    if (kind.idleScript)
        data.SetScript(CreatureData::kIdleScript, kind.idleScript);
    return kind.weapon == nullptr || Arm(soldier, data.GetInventory(), kind.weapon);
}

} // namespace

bool DemoCreatures::Write() const {
    const ScopedCreatureFactory creatures;
    const CreatureItemRules rules;
    for (const Kind& kind : kKinds) {
        bool filled = false;
        if (!TemplateWriter::Write(Entity::kTypeSoldier, kind.name,
                                   [&](Entity& entity) { filled = Fill(entity, kind); }) ||
            !filled) {
            std::fprintf(stderr, "demoworld: the soldier %s cannot be armed\n", kind.name);
            return false;
        }
    }
    return true;
}
