// The actions that write the player's journal.
#include "Source/scripting/game_natives.h"

#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/world/log_mgr.h"

namespace {

// The journal's answer is not the script's concern: a topic already there or not there to
// clear is no failure.
template <class Write> int32_t WriteJournal(Write write) {
    if (g_logMgr == nullptr)
        return kActionFailed;
    write(*g_logMgr);
    return kActionDone;
}

int32_t AddEntry(const NativeCall& call) {
    return WriteJournal([&](LogMgr& log) { log.AddEntry(call.String(0), call.String(1)); });
}

int32_t AddPairEntry(const NativeCall& call) {
    return WriteJournal([&](LogMgr& log) { log.AddPairEntry(call.String(0), call.String(1)); });
}

int32_t ClearEntry(const NativeCall& call) {
    return WriteJournal([&](LogMgr& log) { log.ClearEntry(call.String(0)); });
}

int32_t ClearPairEntry(const NativeCall& call) {
    return WriteJournal([&](LogMgr& log) { log.ClearPairEntry(call.String(0), call.String(1)); });
}

} // namespace

void RegisterJournalNatives(NativeTable& table) {
    table.AddAction(51, "SS", &AddEntry);
    table.AddAction(52, "SS", &AddPairEntry);
    table.AddAction(53, "S", &ClearEntry);
    table.AddAction(54, "SS", &ClearPairEntry);
}
