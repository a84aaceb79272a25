// The actions through which scripts make a creature do something: each forwards to a
// creature script function, the owner of the calling machine being the acting creature
// unless the native names another.
#include "Source/scripting/game_natives.h"

#include "Library/core/random.h"
#include "Library/geometry/directions.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/creature_item_functions.h"
#include "Source/scripting/creature_script_functions.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

// The spell of the number's ability for the owner; null without the registry or the spell.
SpellAbility* AbilityOf(const NativeCall& call, int index) {
    return g_uniSpellMgr ? g_uniSpellMgr->GetAbility(call.Bits(index), call.GetOwner()) : nullptr;
}

// The spell on the target.
int32_t CastOn(const NativeCall& call, uint8_t useCharge) {
    return StartedIf(
        ScriptCmdSpellTarget(call.GetOwner(), AbilityOf(call, 0), call.Object(0), useCharge));
}

// The spell at the point, on whatever stands under it on the screen.
int32_t CastAt(const NativeCall& call, uint8_t useCharge) {
    EntityMgr* manager = call.GetManager();
    if (manager == nullptr)
        return kActionFailed;
    const Vector point = call.Point(0);
    int x = 0;
    int y = 0;
    WorldToScreen(point, x, y);
    return StartedIf(ScriptCmdSpellPoint(call.GetOwner(), AbilityOf(call, 0),
                                         manager->FindEntityAt(x, y), point, useCharge));
}

// Commands.
int32_t GoToTarg(const NativeCall& call) {
    return StartedIf(ScriptCmdGoToTarg(call.GetOwner(), call.Object(0), call.Float(0)));
}

int32_t GoToDest(const NativeCall& call) {
    return StartedIf(ScriptCmdGoToDest(call.GetOwner(), call.Point(0)));
}

int32_t SetFacing(const NativeCall& call) {
    return StartedIf(ScriptCmdSetFacing(call.GetOwner(), call.Int(0)));
}

int32_t FollowWayPoints(const NativeCall& call) {
    return StartedIf(ScriptCmdFollowWayPoints(call.GetOwner()));
}

int32_t Attack(const NativeCall& call) {
    return StartedIf(ScriptCmdAttack(call.GetOwner(), call.Object(0)));
}

int32_t AttackOneRound(const NativeCall& call) {
    return StartedIf(ScriptCmdAttackOneRound(call.GetOwner(), call.Object(0)));
}

int32_t AttackReevaluate(const NativeCall& call) {
    return StartedIf(ScriptCmdAttackReevaluate(call.GetOwner(), call.Object(0), call.Float(0)));
}

int32_t ProtectTarget(const NativeCall& call) {
    return StartedIf(ScriptCmdProtectTarget(call.GetOwner(), call.Object(0)));
}

int32_t ProtectPoint(const NativeCall& call) {
    return StartedIf(ScriptCmdProtectPoint(call.GetOwner(), call.Point(0), call.Float(0)));
}

int32_t Wander(const NativeCall& call) {
    return StartedIf(ScriptCmdWander(call.GetOwner()));
}

int32_t EvadeTarg(const NativeCall& call) {
    return StartedIf(ScriptCmdEvadeTarg(call.GetOwner(), call.Object(0), call.Float(0)));
}

int32_t Wait(const NativeCall& call) {
    return StartedIf(ScriptCmdWait(call.GetOwner(), call.Float(0)));
}

int32_t GoToTargStartDialogue(const NativeCall& call) {
    return StartedIf(
        ScriptCmdGoToTargStartDialogue(call.GetOwner(), call.Object(0), call.Float(0)));
}

int32_t UseItemPoint(const NativeCall& call) {
    return StartedIf(ScriptCmdUseItemPoint(call.GetOwner(), call.String(0), call.Point(0)));
}

int32_t UseItemTarg(const NativeCall& call) {
    return StartedIf(ScriptCmdUseItemTarg(call.GetOwner(), call.String(0), call.Object(0)));
}

int32_t GoToDestAndLeave(const NativeCall& call) {
    return StartedIf(ScriptCmdGoToDestAndLeave(call.GetOwner(), call.Point(0)));
}

int32_t EscapeArea(const NativeCall& call) {
    return StartedIf(ScriptCmdEscapeArea(call.GetOwner(), 1));
}

int32_t GoToTargOffset(const NativeCall& call) {
    return DoneIf(ScriptCmdGoToTargOffset(call.GetOwner(), call.Object(0), call.Point(0)));
}

// The first creature goes to the second one plus an offset of the length, its direction
// drawn within the spread (degrees) around direction 0.
int32_t GoToTargRandomOffset(const NativeCall& call) {
    if (!Entity::AsSoldier(call.Object(1)))
        return kActionFailed;
    const float spread = static_cast<float>(call.Float(1) * kRadiansPerDegree);
    const Vector offset = RandomVector(static_cast<float>(Dir8ToAngle(0)), call.Float(0), spread);
    return DoneIf(ScriptCmdGoToTargOffset(call.Object(0), call.Object(1), offset));
}

int32_t CastOnWithCharge(const NativeCall& call) {
    return CastOn(call, 1);
}

int32_t CastAtWithCharge(const NativeCall& call) {
    return CastAt(call, 1);
}

int32_t CastOnFreely(const NativeCall& call) {
    return CastOn(call, 0);
}

int32_t CastAtFreely(const NativeCall& call) {
    return CastAt(call, 0);
}

// At once.
int32_t Say(const NativeCall& call) {
    ScriptCmdSay(call.GetOwner(), call.String(0));
    return kActionDone;
}

int32_t ClearWayPoints(const NativeCall& call) {
    return DoneIf(ScriptCmdClearWayPoints(call.GetOwner()));
}

int32_t AddWayPoint(const NativeCall& call) {
    return DoneIf(ScriptCmdAddWayPoint(call.GetOwner(), call.Point(0)));
}

int32_t FaceRandomly(const NativeCall& call) {
    return DoneIf(ScriptCmdSetFacing(call.GetOwner(), RandomInt(0, 15)));
}

int32_t FaceEntity(const NativeCall& call) {
    return DoneIf(ScriptCmdFaceEntity(call.GetOwner(), call.Object(0)));
}

// More damage than the creature's hit points.
int32_t Kill(const NativeCall& call) {
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(call.Object(0), &soldier) || soldier->GetCreature() == nullptr)
        return kActionFailed;
    const float hitPoints = soldier->GetCreature()->GetHitPoints();
    if (!(hitPoints > 0.0f))
        return kActionFailed;
    return DoneIf(ScriptCmdHurt(soldier, NativeCall::ToInt(hitPoints) + 1));
}

int32_t LearnSpell(const NativeCall& call) {
    return DoneIf(
        ScriptCmdLearnSpell(call.GetOwner(), call.Bits(0), call.Bits(1), call.Int(2), call.Int(3)));
}

int32_t ForgetSpell(const NativeCall& call) {
    return DoneIf(ScriptCmdForgetSpell(call.GetOwner(), call.Bits(0)));
}

// Notices.
int32_t NotifySameRef(const NativeCall& call) {
    return DoneIf(ScriptCmdNotifySameRef(call.GetOwner(), call.Ref(0), call.Int(0)));
}

int32_t NotifyNearby(const NativeCall& call) {
    return DoneIf(ScriptCmdNotifyNearby(call.GetOwner(), call.Int(0)));
}

int32_t NotifyNearbyOfSelf(const NativeCall& call) {
    return DoneIf(ScriptCmdNotifyNearbyOfSelf(call.GetOwner()));
}

int32_t NotifyMatching(const NativeCall& call) {
    EntityMgr* manager = call.GetManager();
    return DoneIf(manager != nullptr &&
                  ScriptCmdNotifyMatching(*manager, call.Ref(0), call.Int(0)));
}

// Items.
int32_t TransferItem(const NativeCall& call) {
    return DoneIf(ScriptCmdTransferItem(call.GetOwner(), call.String(0), call.Object(0)));
}

int32_t GiveNewItemByFile(const NativeCall& call) {
    return DoneIf(Entity::AsSoldier(call.GetOwner()) &&
                  ScriptCmdGiveNewItemByFile(call.Object(0), call.String(0)));
}

int32_t GiveNewItem(const NativeCall& call) {
    return DoneIf(ScriptCmdGiveNewItem(call.GetOwner(), call.String(0), call.Int(0)));
}

int32_t GiveNewLoadedItem(const NativeCall& call) {
    return DoneIf(
        ScriptCmdGiveNewLoadedItem(call.GetOwner(), call.String(0), call.String(1), call.Int(0)));
}

int32_t TakeNamedItem(const NativeCall& call) {
    return DoneIf(ScriptCmdTakeNamedItem(call.GetOwner(), call.String(0), call.Int(0)));
}

// A slot that does not exist fails; an empty one is no failure.
int32_t PutSlotItemInBackpack(const NativeCall& call) {
    return DoneIf(CreatureInventory::IsValidSlot(call.Int(0)) &&
                  ScriptCmdPutSlotItemInBackpack(call.GetOwner(), call.Int(0)));
}

int32_t ForNamedItems(const NativeCall& call) {
    return DoneIf(ScriptCmdForNamedItems(call.GetOwner(), call.String(0), call.Int(0)));
}

int32_t ReadyWeaponFirst1(const NativeCall& call) {
    return DoneIf(ScriptCmdReadyWeaponFirst1(call.GetOwner()));
}

int32_t ReadyWeaponFirst2(const NativeCall& call) {
    return DoneIf(ScriptCmdReadyWeaponFirst2(call.GetOwner()));
}

int32_t EquipMatching(const NativeCall& call) {
    return DoneIf(ScriptCmdEquipMatching(call.GetOwner()));
}

int32_t CreateItemAt(const NativeCall& call) {
    EntityMgr* manager = call.GetManager();
    return DoneIf(manager != nullptr &&
                  ScriptCmdCreateItemAt(*manager, call.Point(0), call.String(0), call.Int(0)));
}

int32_t CreateLoadedItemAt(const NativeCall& call) {
    EntityMgr* manager = call.GetManager();
    return DoneIf(manager != nullptr &&
                  ScriptCmdCreateLoadedItemAt(*manager, call.Point(0), call.String(0),
                                              call.String(1), call.Int(0)));
}

// These three answer done whatever became of the item.
int32_t DestroyNamedItem(const NativeCall& call) {
    ScriptCmdDestroyNamedItem(call.GetOwner(), call.String(0));
    return kActionDone;
}

int32_t DestroyAllNamedItems(const NativeCall& call) {
    ScriptCmdDestroyAllNamedItems(call.GetOwner(), call.String(0));
    return kActionDone;
}

int32_t HasItem(const NativeCall& call) {
    ScriptCmdHasItem(call.GetOwner(), call.String(0));
    return kActionDone;
}

} // namespace

void RegisterCreatureNatives(NativeTable& table) {
    table.AddAction(3, "S", &Say);
    table.AddAction(5, "P", &GoToDest);
    table.AddAction(6, "RN", &GoToTarg);
    table.AddAction(7, "", &ClearWayPoints);
    table.AddAction(8, "P", &AddWayPoint);
    table.AddAction(9, "", &FollowWayPoints);
    table.AddAction(10, "N", &SetFacing);
    table.AddAction(16, "R", &Attack);
    table.AddAction(18, "R", &AttackOneRound);
    table.AddAction(19, "RN", &AttackReevaluate);
    table.AddAction(22, "R", &ProtectTarget);
    table.AddAction(23, "PN", &ProtectPoint);
    table.AddAction(24, "", &Wander);
    table.AddAction(26, "", &FaceRandomly);
    table.AddAction(27, "RN", &EvadeTarg);
    table.AddAction(28, "RN", &NotifySameRef);
    table.AddAction(29, "N", &NotifyNearby);
    table.AddAction(30, "", &NotifyNearbyOfSelf);
    table.AddAction(31, "RN", &NotifyMatching);
    table.AddAction(32, "N", &Wait);
    table.AddAction(43, "RN", &GoToTargStartDialogue);
    table.AddAction(59, "RS", &TransferItem);
    table.AddAction(60, "RS", &GiveNewItemByFile);
    table.AddAction(61, "SN", &GiveNewItem);
    table.AddAction(62, "SSN", &GiveNewLoadedItem);
    table.AddAction(63, "SN", &TakeNamedItem);
    table.AddAction(64, "N", &PutSlotItemInBackpack);
    table.AddAction(65, "SN", &ForNamedItems);
    table.AddAction(66, "", &ReadyWeaponFirst1);
    table.AddAction(67, "", &ReadyWeaponFirst2);
    table.AddAction(68, "", &EquipMatching);
    table.AddAction(69, "SP", &UseItemPoint);
    table.AddAction(70, "RS", &UseItemTarg);
    table.AddAction(71, "NNNN", &LearnSpell);
    table.AddAction(72, "N", &ForgetSpell);
    table.AddAction(73, "NR", &CastOnWithCharge);
    table.AddAction(74, "NP", &CastAtWithCharge);
    table.AddAction(75, "NR", &CastOnFreely);
    table.AddAction(76, "NP", &CastAtFreely);
    table.AddAction(84, "R", &Kill);
    table.AddAction(86, "P", &GoToDestAndLeave);
    table.AddAction(87, "", &EscapeArea);
    table.AddAction(97, "SPN", &CreateItemAt);
    table.AddAction(98, "SSPN", &CreateLoadedItemAt);
    table.AddAction(99, "S", &DestroyNamedItem);
    table.AddAction(100, "S", &DestroyAllNamedItems);
    table.AddAction(101, "S", &HasItem);
    table.AddAction(214, "R", &FaceEntity);
    table.AddAction(501, "RP", &GoToTargOffset);
    table.AddAction(502, "RRNN", &GoToTargRandomOffset);
}
