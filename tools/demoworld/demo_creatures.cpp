#include "tools/demoworld/demo_creatures.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_animation_mgr.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/creatures/two_dim_array_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/select_player_script_panel.h"
#include "tools/demoworld/demo_creature_scripts.h"
#include "tools/demoworld/demo_output.h"

#include <cstdio>
#include <cstring>
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
    const char* description; // what Examine tells
    uint32_t side;
    uint16_t body;
    float hitPoints;
    int16_t attribute; // every attribute's
    int16_t meleeSkill;
    uint32_t killExperience;
};

constexpr const char* kPlayerDescription = "Idyl, a traveller with a quick hand for locks.";

// Both players start with the new game's default slot-4 script, so the script choice ticks it.
const Kind kKinds[] = {
    {DemoCreatures::kPlayer, false, SelectPlayerScriptPanel::kScriptNames[0], "sword", "Idyl",
     kPlayerDescription, kPlayerSide, CreatureAnimationMgr::kCompositeBody, 40.0f, 6, 70, 0},
    {DemoCreatures::kNewGamePlayer, false, SelectPlayerScriptPanel::kScriptNames[0], "sword",
     "Idyl", kPlayerDescription, kPlayerSide, CreatureAnimationMgr::kCompositeBody, 40.0f, 6, 70,
     0},
    {DemoCreatures::kHostile, true, nullptr, "sword", "Mad scientist",
     "A scientist in a scorched coat, muttering, a sword in his fist.", kHostileSide, 1, 12.0f, 4,
     40, 1000},
    {DemoCreatures::kNeutral, true, nullptr, nullptr, "Scientist",
     "A scientist bent over his notes. He looks up now and then.", kNeutralSide, 1, 12.0f, 4, 20,
     25},
    // Strong enough to kill a party that comes to him, so the game can be lost.
    {DemoCreatures::kBrute, false, DemoCreatureScripts::kWatch, "greataxe", "Scorched brute",
     "A hulking scientist in a burnt coat, a greataxe in his fists. He watches for prey.",
     kHostileSide, 1, 400.0f, 10, 95, 5000},
    {DemoCreatures::kTrader, false, nullptr, nullptr, "Mara the trader",
     "Mara, a trader with a pack of potions and bullets.", kNeutralSide, 1, 20.0f, 4, 30, 25},
};

// Who answers a talk with a dialogue: its script and first label, he (1) or she (2) as the
// screens say it, and whether it trades. The trader's own talk script opens it; the
// scientist's is among his scripts.
const struct {
    const char* kind;
    const char* dialogue;
    const char* label;
    uint32_t gender;
    bool willTrade;
} kTalkers[] = {
    {DemoCreatures::kNeutral, DemoCreatures::kScientistDialogue, "greeting", 1, false},
    {DemoCreatures::kTrader, DemoCreatures::kTraderDialogue, "greeting", 2, true},
};
constexpr int kTalkSlot = 3; // where the scientists keep theirs

// What each carries in its backpack beside its weapon.
const struct {
    const char* kind;
    const char* item;
    uint16_t count;
} kStock[] = {
    {DemoCreatures::kPlayer, "pistol", 1},   {DemoCreatures::kPlayer, "bullets", 10},
    {DemoCreatures::kPlayer, "shield", 1},   {DemoCreatures::kPlayer, "greataxe", 1},
    {DemoCreatures::kPlayer, "potion", 5},   {DemoCreatures::kTrader, "potion", 3},
    {DemoCreatures::kTrader, "bullets", 20}, {DemoCreatures::kTrader, "gold", 200},
    {DemoCreatures::kHostile, "gold", 25},   {DemoCreatures::kHostile, "potion", 1},
};
constexpr int kTaggedSkill = 1; // the players' guns

// What the players cast, with charges a day: the skills of the lock and trap commands, so
// the yard's chest can be opened by playing, first aid, and the spells of the play
// screen's keys, each ready for a fight or two before a rest.
const struct {
    uint32_t id;
    int charges;
} kPlayerSpells[] = {
    {4004, 5}, {4005, 5}, {4007, 5}, // pick lock, find and disarm traps
    {4006, 3},                       // first aid
    {2213, 2}, {2112, 3}, {2304, 2}, // fireball, magic missile, stinking cloud
};
constexpr int kThiefSkillsUsed[] = {10, 12}; // the hands for locks and traps
constexpr int16_t kThiefSkill = 90;

// The tutorial's and a new game's character carry the same kit.
bool IsPlayer(const char* kind) {
    return std::strcmp(kind, DemoCreatures::kPlayer) == 0 ||
           std::strcmp(kind, DemoCreatures::kNewGamePlayer) == 0;
}
constexpr float kTraderCarryWeight = 30.0f;

// The item's template, made in the soldier's manager; null when it cannot be.
ItemEntity* MakeItem(SoldierEntity& soldier, const char* name) {
    ItemEntity* item = nullptr;
    if (!Entity::AsItem(soldier.GetManager()->CreateEntity(0, 0, 0, Entity::kTypeItem), &item) ||
        !item->LoadByName(name))
        return nullptr;
    return item;
}

// The weapon into the current hand.
bool Arm(SoldierEntity& soldier, CreatureInventory& inventory, const char* weapon) {
    ItemEntity* item = MakeItem(soldier, weapon);
    ItemEntity* held = nullptr;
    return item && inventory.AddToCurrentHand(item, held);
}

bool Pack(SoldierEntity& soldier, CreatureInventory& inventory, const char* kind) {
    for (const auto& stock : kStock) {
        if (std::strcmp(stock.kind, kind) != 0)
            continue;
        ItemEntity* item = MakeItem(soldier, stock.item);
        ItemEntity* held = nullptr;
        if (!item)
            return false;
        item->SetStackSize(stock.count);
        if (!inventory.AddItem(item, held))
            return false;
    }
    return true;
}

void MakeTalker(SoldierEntity& soldier, CreatureData& data, const char* kind) {
    for (const auto& talker : kTalkers) {
        if (std::strcmp(talker.kind, kind) != 0)
            continue;
        data.SetScript(CreatureData::kDialogueScript, talker.dialogue);
        data.SetDialogueStartLabel(talker.label);
        data.SetWillTrade(talker.willTrade);
        soldier.GetRef().Set(soldier.GetRef().GetSide(), kLiving, 0, 0, 0, talker.gender, 0);
    }
}

bool Fill(Entity& entity, const Kind& kind) {
    auto& soldier = static_cast<SoldierEntity&>(entity);
    soldier.GetRef().Set(kind.side, kLiving, 0, 0, 0, 0, 0);
    soldier.SetRadius(kRadius, kHeight);
    soldier.SetDisplayName(kind.displayName);
    soldier.SetDescription(kind.description);
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
    MakeTalker(soldier, data, kind.name);
    if (std::strcmp(kind.name, DemoCreatures::kTrader) == 0) {
        data.SetCarryWeight(0, kTraderCarryWeight);
        data.SetScript(kTalkSlot, DemoCreatureScripts::kTraderTalk);
    }
    const char* stock = IsPlayer(kind.name) ? DemoCreatures::kPlayer : kind.name;
    if (IsPlayer(kind.name)) {
        data.SetSkillTagged(kTaggedSkill, true);
        for (int skill : kThiefSkillsUsed)
            data.SetSkill(skill, 0, kThiefSkill);
        for (const auto& spell : kPlayerSpells)
            if (!data.GetSpellMgr().Learn(spell.id, 1, spell.charges, spell.charges))
                return false;
    }
    return (kind.weapon == nullptr || Arm(soldier, data.GetInventory(), kind.weapon)) &&
           Pack(soldier, data.GetInventory(), stock);
}

} // namespace

// The level tables give each template the experience its next level needs.
bool DemoCreatures::Write() const {
    const ScopedCreatureFactory creatures;
    const CreatureItemRules rules;
    if (!TwoDimArrayMgr::LoadTables()) {
        std::fprintf(stderr, "demoworld: the rule tables cannot be read\n");
        return false;
    }
    const bool written = WriteTemplates();
    TwoDimArrayMgr::FreeTables();
    return written;
}

bool DemoCreatures::WriteTemplates() const {
    for (const Kind& kind : kKinds) {
        bool filled = false;
        if (!WriteTemplate(Entity::kTypeSoldier, kind.name,
                           [&](Entity& entity) { filled = Fill(entity, kind); }) ||
            !filled) {
            std::fprintf(stderr, "demoworld: the soldier %s cannot be armed\n", kind.name);
            return false;
        }
    }
    return true;
}
