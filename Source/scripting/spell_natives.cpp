// The actions that cast a spell with no caster: from a point on a creature or a point, or
// at a creature where it stands (traps, shrines, the story's own magic).
#include "Source/scripting/game_natives.h"

#include "Source/creatures/spell_ability.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/entity.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

SpellAbility* CasterlessAbility(const NativeCall& call) {
    return g_uniSpellMgr ? g_uniSpellMgr->GetAbility(call.Bits(0), nullptr) : nullptr;
}

// Applied only when the target lies within the spell's range of the point it comes from.
bool CastFrom(SpellAbility* spell, const Vector& from, Entity* target, const Vector& at) {
    return spell != nullptr && spell->InRange(nullptr, from, target, at) &&
           spell->ApplyToTarget(nullptr, from, target, at);
}

int32_t CastOnCreature(const NativeCall& call) {
    Entity* target = call.Object(0);
    return DoneIf(CastFrom(CasterlessAbility(call), call.Point(0), target, target->GetPosition()));
}

int32_t CastOnPoint(const NativeCall& call) {
    return DoneIf(CastFrom(CasterlessAbility(call), call.Point(0), nullptr, call.Point(1)));
}

int32_t CastWhereItStands(const NativeCall& call) {
    SpellAbility* spell = CasterlessAbility(call);
    Entity* target = call.Object(0);
    const Vector& at = target->GetPosition();
    return DoneIf(spell != nullptr && spell->ApplyToPoint(nullptr, at, target, at));
}

} // namespace

void RegisterSpellNatives(NativeTable& table) {
    table.AddAction(77, "NPR", &CastOnCreature);
    table.AddAction(78, "NPP", &CastOnPoint);
    table.AddAction(79, "NR", &CastWhereItStands);
}
