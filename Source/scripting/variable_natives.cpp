// The actions on the values scripts share: global variables, the game-time and play-time
// timers and the game's script tag.
#include "Source/scripting/game_natives.h"

#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/world/game_mode.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

int32_t SetVariable(const NativeCall& call) {
    return DoneIf(g_globalMgr != nullptr &&
                  g_globalMgr->Set(call.String(0), call.String(1), call.Int(0)));
}

int32_t AddToVariable(const NativeCall& call) {
    return DoneIf(g_globalMgr != nullptr &&
                  g_globalMgr->Add(call.String(0), call.String(1), call.Int(0)));
}

int32_t DeclareVariable(const NativeCall& call) {
    if (g_globalMgr == nullptr)
        return kActionFailed;
    g_globalMgr->Declare(call.String(0), call.String(1));
    return kActionDone;
}

template <GlobalTimerTable** kTimers> int32_t StartTimer(const NativeCall& call) {
    if (*kTimers == nullptr)
        return kActionFailed;
    (*kTimers)->Start(call.String(0), call.String(1), call.Int(0));
    return kActionDone;
}

int32_t SetScriptTag(const NativeCall& call) {
    if (g_gameMode == nullptr)
        return kActionFailed;
    g_gameMode->SetScriptTag(call.String(0));
    return kActionDone;
}

} // namespace

void RegisterVariableNatives(NativeTable& table) {
    table.AddAction(80, "SSN", &SetVariable);
    table.AddAction(81, "SSN", &AddToVariable);
    table.AddAction(91, "SS", &DeclareVariable);
    table.AddAction(103, "SSN", &StartTimer<&g_gameTimeTimers>);
    table.AddAction(104, "SSN", &StartTimer<&g_realTimeTimers>);
    table.AddAction(251, "S", &SetScriptTag);
}
