#include "Source/scripting/script_party_actions.h"

#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/creature_script_functions.h"

namespace {

constexpr uint8_t kUseCharge = 1;

} // namespace

void ScriptPartyActions::Stop(SoldierEntity& member) {
    ScriptCmdStop(&member);
}

bool ScriptPartyActions::GoToDest(SoldierEntity& member, const Vector& point) {
    return ScriptCmdGoToDest(&member, point);
}

bool ScriptPartyActions::EscapeArea(SoldierEntity& member, bool leave) {
    return ScriptCmdEscapeArea(&member, leave ? 1 : 0);
}

bool ScriptPartyActions::Attack(SoldierEntity& member, Entity* target) {
    return ScriptCmdAttack(&member, target);
}

bool ScriptPartyActions::CollectItem(SoldierEntity& member, Entity* item) {
    return ScriptCmdCollectItemMap(&member, item);
}

bool ScriptPartyActions::OpenTarget(SoldierEntity& member, Entity* target, bool open) {
    return ScriptCmdOpenTarg(&member, target, open ? 1 : 0);
}

bool ScriptPartyActions::StartDialogue(SoldierEntity& member, Entity* target, float distance) {
    return ScriptCmdGoToTargStartDialogue(&member, target, distance);
}

bool ScriptPartyActions::UseItemOn(SoldierEntity& member, ItemEntity* item, Entity* target) {
    return ScriptCmdUseItemOnTarget(&member, item, target);
}

bool ScriptPartyActions::Cast(SoldierEntity& member, SpellAbility& spell) {
    return ScriptCmdSpell(&member, &spell, kUseCharge);
}

bool ScriptPartyActions::CastAtTarget(SoldierEntity& member, SpellAbility& spell, Entity* target) {
    return ScriptCmdSpellTarget(&member, &spell, target, kUseCharge);
}

bool ScriptPartyActions::CastAtPoint(SoldierEntity& member, SpellAbility& spell, Entity* target,
                                     const Vector& point) {
    return ScriptCmdSpellPoint(&member, &spell, target, point, kUseCharge);
}
