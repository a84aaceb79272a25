// The conditions scripts ask of one creature, the calling machine's owner or the first
// entity named: whether it is idle, sees, is wounded, of a level, carries, holds spells
// and flags, fights or walks. Each is false for an entity that is no creature.
#include "Source/scripting/game_natives.h"

#include "Library/core/stringc.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/condition_compare.h"

namespace {

Creature* OwnerCreature(const NativeCall& call) {
    return Creature::Of(call.GetOwner());
}

Creature* FirstCreature(const NativeCall& call) {
    return Creature::Of(call.Object(0));
}

// An item name as scripts write it: any extension is dropped.
Stringc ItemName(const Stringc& name) {
    Stringc bare(name);
    bare.StripExtension();
    return bare;
}

// A creature owner waits for neither its action timer nor a command; any other owner, or
// none, for no action of its machine.
int32_t IsIdle(const NativeCall& call) {
    SoldierEntity* soldier = call.GetOwnerSoldier();
    if (soldier == nullptr)
        return Answer(!call.GetMachine().IsBusy());
    const Creature* creature = Creature::Of(soldier);
    const CreatureCommands* behaviour = soldier->GetBehaviour();
    return Answer(
        creature != nullptr && creature->GetData().GetTimer().GetSeconds() == 0.0f &&
        (behaviour == nullptr || behaviour->GetStatus() != CreatureCommands::kStatusRunning));
}

int32_t SeesFirst(const NativeCall& call) {
    SoldierEntity* soldier = call.GetOwnerSoldier();
    const EntityMgr* manager = call.GetManager();
    return Answer(soldier != nullptr &&
                  SeeAndRememberTarget(*soldier, call.Object(0),
                                       manager != nullptr ? manager->GetTileMap() : nullptr));
}

bool HitPointsPercent(const NativeCall& call, int32_t& value) {
    const Creature* creature = FirstCreature(call);
    if (creature != nullptr)
        value = creature->GetData().GetHitPointsPercent();
    return creature != nullptr;
}

bool Level(const NativeCall& call, int32_t& value) {
    const Creature* creature = FirstCreature(call);
    if (creature != nullptr)
        value = creature->GetData().GetLevel();
    return creature != nullptr;
}

int32_t HasScript(const NativeCall& call) {
    const Creature* creature = FirstCreature(call);
    return Answer(creature != nullptr &&
                  creature->GetData().IsScript(call.Int(0), call.String(0).c_str()));
}

int32_t CarriesNamedItem(const NativeCall& call) {
    const Creature* creature = FirstCreature(call);
    return Answer(creature != nullptr &&
                  creature->GetData().GetInventory().HasItemNamed(ItemName(call.String(0))));
}

int32_t HoldsNamedItemInSlot(const NativeCall& call) {
    const Creature* creature = FirstCreature(call);
    const int slot = call.Int(0);
    return Answer(
        creature != nullptr && CreatureInventory::IsValidSlot(slot) &&
        creature->GetData().GetInventory().IsNamedItemInSlot(ItemName(call.String(0)), slot));
}

const ItemEntity* CurrentItemOf(const Creature* creature) {
    return creature != nullptr ? creature->GetData().GetInventory().GetCurrentItem() : nullptr;
}

int32_t HandItemEmpty(const NativeCall& call) {
    const ItemEntity* item = CurrentItemOf(OwnerCreature(call));
    return Answer(item != nullptr && item->IsEmpty());
}

int32_t HandsEmptyOrItemEmpty(const NativeCall& call) {
    const Creature* creature = OwnerCreature(call);
    const ItemEntity* item = CurrentItemOf(creature);
    return Answer(creature != nullptr && (item == nullptr || item->IsEmpty()));
}

int32_t HasAmmunitionForHandItem(const NativeCall& call) {
    Creature* creature = OwnerCreature(call);
    const ItemEntity* item = CurrentItemOf(creature);
    return Answer(item != nullptr &&
                  creature->GetData().GetInventory().GetBackpack().FindAmmunitionFor(*item) !=
                      nullptr);
}

int32_t FirstHoldsItem(const NativeCall& call) {
    return Answer(CurrentItemOf(FirstCreature(call)) != nullptr);
}

int32_t HasReadyCharge(const NativeCall& call) {
    const Creature* creature = OwnerCreature(call);
    return Answer(creature != nullptr &&
                  creature->GetData().GetSpellMgr().HasReadyCharge(call.Bits(0)));
}

int32_t HasAnyReadyCharge(const NativeCall& call) {
    const Creature* creature = OwnerCreature(call);
    return Answer(creature != nullptr && creature->GetData().GetSpellMgr().HasAnyReadyCharge());
}

int32_t HasFlag(const NativeCall& call) {
    const Creature* creature = FirstCreature(call);
    return Answer(creature != nullptr && creature->GetData().HasFlag(call.Bits(0)));
}

int32_t LacksFlag(const NativeCall& call) {
    const Creature* creature = FirstCreature(call);
    return Answer(creature != nullptr && !creature->GetData().HasFlag(call.Bits(0)));
}

SoldierEntity* FirstSoldier(const NativeCall& call) {
    SoldierEntity* soldier = nullptr;
    Entity::AsSoldier(call.Object(0), &soldier);
    return soldier;
}

int32_t InCombat(const NativeCall& call) {
    const SoldierEntity* soldier = FirstSoldier(call);
    return Answer(soldier != nullptr && soldier->IsInCombat());
}

int32_t Busy(const NativeCall& call) {
    SoldierEntity* soldier = FirstSoldier(call);
    return Answer(soldier != nullptr && soldier->IsBusy());
}

} // namespace

void RegisterCreatureConditions(NativeTable& table) {
    table.AddCondition(1, "", &IsIdle);
    table.AddCondition(4, "R", &SeesFirst);
    AddComparisons<&HitPointsPercent, kSameBits>(table, "RN", 7, 8, 9);
    table.AddCondition(17, "RNS", &HasScript);
    AddComparisons<&Level, kSameBits>(table, "RN", 19, 20, 21);
    table.AddCondition(29, "RS", &CarriesNamedItem);
    table.AddCondition(32, "", &HandItemEmpty);
    table.AddCondition(33, "N", &HasReadyCharge);
    table.AddCondition(34, "", &HasAnyReadyCharge);
    table.AddCondition(35, "RN", &HasFlag);
    table.AddCondition(36, "RN", &LacksFlag);
    table.AddCondition(52, "R", &FirstHoldsItem);
    table.AddCondition(53, "RNS", &HoldsNamedItemInSlot);
    table.AddCondition(56, "", &HandsEmptyOrItemEmpty);
    table.AddCondition(57, "", &HasAmmunitionForHandItem);
    table.AddCondition(58, "R", &InCombat);
    table.AddCondition(67, "R", &Busy);
}
