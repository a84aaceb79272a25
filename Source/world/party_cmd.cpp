#include "Source/world/party_cmd.h"

#include "Library/core/game_mode_id.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell_ability.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/player_messages.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "Source/world/party_actions.h"
#include "Source/world/party_mgr.h"

namespace {

constexpr int kDirections = 8;
constexpr int kPausedOrderNotice = 8;

void ErrorCursor() {
    if (g_mouseMgr) {
        g_mouseMgr->SetKind(kCursorPointer);
        g_mouseMgr->SetMode(kCursorError);
    }
}

bool Refuse(const char* text) {
    if (g_playerMessages)
        g_playerMessages->Add(text);
    ErrorCursor();
    return false;
}

bool RefuseSilently() {
    ErrorCursor();
    return false;
}

// A usable character is stopped before its new order; an unusable one is refused unheard.
bool StopUsable(SoldierEntity* character) {
    if (!PartyCmd::IsUsable(character))
        return false;
    character->ClearCommand();
    return true;
}

bool Given(SoldierEntity& character) {
    if (g_gameMode->IsPaused())
        character.PostScriptEvent(kPausedOrderNotice);
    return true;
}

// A refused command is false, and so is a missing scripting.
template <class Command> bool Issue(Command command) {
    return g_partyActions != nullptr && command(*g_partyActions);
}

bool Turn(SoldierEntity* character, int step) {
    if (!StopUsable(character))
        return false;
    character->SetDirection((character->GetDirection() + step + kDirections) % kDirections);
    return true;
}

CreatureInventory* InventoryOf(SoldierEntity& character) {
    Creature* creature = Creature::Of(&character);
    return creature ? &creature->GetData().GetInventory() : nullptr;
}

bool CastByTargetType(SoldierEntity& character, SpellAbility& spell, Entity* target,
                      const Vector& point) {
    switch (spell.GetTargetType()) {
    case kTargetLiving:
    case kTargetDead:
        if (target == nullptr)
            return false;
        if (!Issue([&](PartyActions& a) { return a.CastAtTarget(character, spell, target); }))
            return Refuse("You cannot cast the spell on that target.");
        return true;
    case kTargetMapPoint:
    case kTargetMapObject:
        if (!Issue([&](PartyActions& a) { return a.CastAtPoint(character, spell, target, point); }))
            return Refuse("You cannot cast the spell on that point.");
        return true;
    default:
        return false;
    }
}

// A door or a chest opens unless it is already open; a creature is always "opened".
bool OpenArgument(const Entity& target) {
    if (target.GetType() == Entity::kTypeSoldier)
        return true;
    return !(target.HasAnyFlag(Entity::kFlagStateA) && !target.HasAnyFlag(Entity::kFlagStateB));
}

} // namespace

bool PartyCmd::IsUsable(const SoldierEntity* character) {
    return character != nullptr && character->HasAnyFlag(Entity::kFlagAlive) &&
           !character->HasAnyFlag(Entity::kFlagNeverSaved);
}

bool PartyCmd::ToggleRun(SoldierEntity* character) {
    if (!IsUsable(character))
        return false;
    g_partyMgr->SetRunning(!character->IsRunning());
    return true;
}

bool PartyCmd::Stop(SoldierEntity* character) {
    return StopUsable(character);
}

bool PartyCmd::NextHand(SoldierEntity* character) {
    return StopUsable(character) && character->NextHandSlot();
}

bool PartyCmd::PrevHand(SoldierEntity* character) {
    return StopUsable(character) && character->PrevHandSlot();
}

bool PartyCmd::TurnNext(SoldierEntity* character) {
    return Turn(character, 1);
}

bool PartyCmd::TurnPrev(SoldierEntity* character) {
    return Turn(character, -1);
}

bool PartyCmd::NextItemEntry(SoldierEntity* character) {
    if (!StopUsable(character))
        return false;
    ItemEntity* held = character->GetCurrentItem();
    if (held == nullptr)
        return false;
    held->CountListEntries();
    return true;
}

bool PartyCmd::ReloadWeapon(SoldierEntity* character) {
    if (!StopUsable(character))
        return false;
    ItemEntity* held = character->GetCurrentItem();
    CreatureInventory* inventory = InventoryOf(*character);
    if (held == nullptr || inventory == nullptr)
        return false;
    if (held->IsFull())
        return Refuse("This item is full.");
    ItemEntity* ammunition = inventory->GetBackpack().FindAmmunitionFor(*held);
    if (ammunition == nullptr)
        return Refuse("You don't have ammunition for this weapon.");
    ItemEntity* left = nullptr;
    if (!inventory->GetBackpack().MoveItemTo(held, ammunition, left))
        return Refuse("Unknown weapon load error.");
    return true;
}

bool PartyCmd::Rest(SoldierEntity* character) {
    if (character == nullptr)
        return false;
    if (!IsUsable(character))
        return Refuse("You cannot rest now.");
    if (!g_gameMode->IsOnMap())
        return Refuse("You can only rest when you are in a game play map.");
    EntityMgr* entities = character->GetManager();
    if (entities == nullptr || entities->GetCombatCountdown() > 0)
        return Refuse("You cannot rest during combat.");
    if (AreEnemiesOnMap(*entities, *character))
        return Refuse("You cannot rest. There enemies in your area.");
    if (AreThreatsNearby(*entities, *character))
        return Refuse("You cannot rest. There are monsters in your area.");
    if (character->IsDead())
        return Refuse("You cannot rest. For you are dead.");
    g_gameMode->SetMode(kModeRest);
    return true;
}

bool PartyCmd::WalkToMouse(SoldierEntity* character) {
    if (!StopUsable(character))
        return false;
    const Rect& view = g_tileMap->GetViewRect();
    if (g_mouseX < view.x1 || g_mouseX > view.x2 || g_mouseY < view.y1 || g_mouseY > view.y2)
        return false;
    g_partyMgr->MoveLeaderTo(g_tileMap->MouseToWorld());
    return Given(*character);
}

bool PartyCmd::PickUp(SoldierEntity* character, Entity* item) {
    if (!StopUsable(character))
        return false;
    EntityMgr* entities = character->GetManager();
    SoldierPlanner* planner = entities ? entities->GetPlanner() : nullptr;
    if (item == nullptr || planner == nullptr ||
        planner->IsPlaceOccupied(*character, item->GetPosition()) ||
        !Issue([&](PartyActions& a) { return a.CollectItem(*character, item); }))
        return RefuseSilently();
    return Given(*character);
}

bool PartyCmd::Examine(Entity* entity) {
    if (entity == nullptr)
        return RefuseSilently();
    if (entity->GetDescription().Length() > 0 && g_playerMessages)
        g_playerMessages->Add(entity->GetDescription().c_str());
    return true;
}

bool PartyCmd::Attack(SoldierEntity* character, Entity* target) {
    if (!StopUsable(character))
        return false;
    if (target == nullptr)
        return Refuse("You do not have a valid target.");
    if (character->GetCurrentItem() == nullptr)
        return Refuse("You do not have a weapon equiped.");
    if (!Issue([&](PartyActions& a) { return a.Attack(*character, target); }))
        return Refuse("You cannot attack that target.");
    return Given(*character);
}

// A spell of a delivery no command carries is refused.
bool PartyCmd::CastSpell(SoldierEntity* character, uint32_t spellId, Entity* target,
                         const Vector& point) {
    if (!StopUsable(character))
        return false;
    Creature* creature = Creature::Of(character);
    if (creature == nullptr || !creature->GetData().GetSpellMgr().HasReadyCharge(spellId))
        return Refuse("You don't have that spell memorised.");
    SpellAbility* spell = g_uniSpellMgr ? g_uniSpellMgr->GetAbility(spellId, character) : nullptr;
    if (spell == nullptr)
        return Refuse("That spell does not exist.");
    switch (spell->GetDelivery()) {
    case SpellAbility::kOnCaster:
    case SpellAbility::kInRadius:
        if (!Issue([&](PartyActions& a) { return a.Cast(*character, *spell); }))
            return Refuse("You cannot cast that spell at this time.");
        break;
    case SpellAbility::kOnTarget:
    case SpellAbility::kByMode:
        if (!CastByTargetType(*character, *spell, target, point))
            return false;
        break;
    default:
        return false;
    }
    return Given(*character);
}

bool PartyCmd::Open(SoldierEntity* character, Entity* target) {
    if (!StopUsable(character))
        return false;
    const int type = target ? target->GetType() : -1;
    if (type != Entity::kTypeDoor && type != Entity::kTypeContainerMap &&
        type != Entity::kTypeSoldier)
        return Refuse("You can't open that.");
    const bool open = OpenArgument(*target);
    if (!Issue([&](PartyActions& a) { return a.OpenTarget(*character, target, open); }))
        return RefuseSilently();
    return Given(*character);
}

bool PartyCmd::Talk(SoldierEntity* character, Entity* target, float distance) {
    if (!StopUsable(character))
        return false;
    if (target == nullptr ||
        !Issue([&](PartyActions& a) { return a.StartDialogue(*character, target, distance); }))
        return RefuseSilently();
    return Given(*character);
}

bool PartyCmd::UseItemOn(SoldierEntity* character, ItemEntity* item, Entity* target) {
    if (!StopUsable(character))
        return false;
    if (item == nullptr)
        return RefuseSilently();
    if (target == nullptr)
        return Refuse("You do not have a valid target.");
    if (!Issue([&](PartyActions& a) { return a.UseItemOn(*character, item, target); }))
        return RefuseSilently();
    return Given(*character);
}
