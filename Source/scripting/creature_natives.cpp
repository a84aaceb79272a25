// The actions through which scripts make a creature do something: each forwards to a
// creature script function with the owner as the acting creature.
#include "Source/scripting/game_natives.h"

#include "Source/scripting/creature_script_functions.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

// 3 when the command was accepted: the action lasts as long as the command.
int32_t Started(bool accepted) {
    return accepted ? kActionStarted : kActionFailed;
}

int32_t SetFacing(const NativeCall& call) {
    return Started(ScriptCmdSetFacing(call.GetOwner(), call.Int(0)));
}

int32_t Attack(const NativeCall& call) {
    return Started(ScriptCmdAttack(call.GetOwner(), call.Object(0)));
}

} // namespace

void RegisterCreatureNatives(NativeTable& table) {
    table.AddAction(10, "N", &SetFacing);
    table.AddAction(16, "R", &Attack);
}
