// The conditions scripts ask of the world around them: deaths counted, the hour and the
// part of the day, global variables and timers, chance draws, the combat countdown and
// what scripts have left in the game mode.
#include "Source/scripting/game_natives.h"

#include "Library/core/random.h"
#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/condition_compare.h"
#include "Source/world/game_clock.h"

namespace {

int32_t HasDied(const NativeCall& call) {
    return Answer(g_globalMgr != nullptr &&
                  g_globalMgr->Greater(call.String(0), SoldierEntity::kDeathVariable, 0));
}

int32_t PhaseHourIs(const NativeCall& call) {
    return Answer(g_gameClock != nullptr && g_gameClock->GetPhaseHour() == call.Int(0));
}

int32_t PeriodIs(const NativeCall& call) {
    return Answer(g_gameClock != nullptr && g_gameClock->GetPeriod() == call.Int(0));
}

using VariableTest = bool (GlobalMgr::*)(const Stringc&, const Stringc&, int32_t);

template <VariableTest kTest> int32_t VariableCompares(const NativeCall& call) {
    return Answer(g_globalMgr != nullptr &&
                  (g_globalMgr->*kTest)(call.String(0), call.String(1), call.Int(0)));
}

// A fresh draw of 1 up to, not including, the first number.
bool RandomDraw(const NativeCall& call, int32_t& value) {
    value = RandomInt(1, call.Int(0));
    return true;
}

bool CombatCountdown(const NativeCall& call, int32_t& value) {
    const EntityMgr* manager = call.GetManager();
    if (manager != nullptr)
        value = manager->GetCombatCountdown();
    return manager != nullptr;
}

using TimerTest = bool (GlobalTimerTable::*)(const Stringc&, const Stringc&);

template <GlobalTimerTable** kTimers, TimerTest kTest> int32_t TimerIs(const NativeCall& call) {
    GlobalTimerTable* timers = *kTimers;
    return Answer(timers != nullptr && (timers->*kTest)(call.String(0), call.String(1)));
}

int32_t EncounterFlagSet(const NativeCall&) {
    return Answer(g_gameMode != nullptr && g_gameMode->GetEncounterFlag());
}

int32_t ScriptTagIs(const NativeCall& call) {
    return Answer(g_gameMode != nullptr && g_gameMode->GetScriptTag() == call.String(0));
}

} // namespace

void RegisterWorldConditions(NativeTable& table) {
    table.AddCondition(6, "S", &HasDied);
    table.AddCondition(40, "N", &PhaseHourIs);
    table.AddCondition(41, "N", &PeriodIs);
    table.AddCondition(46, "SSN", &VariableCompares<&GlobalMgr::Equals>);
    table.AddCondition(47, "SSN", &VariableCompares<&GlobalMgr::Greater>);
    table.AddCondition(48, "SSN", &VariableCompares<&GlobalMgr::Less>);
    AddComparisons<&RandomDraw, kEqualTo, 1>(table, "NN", 49, 51, 50);
    AddComparisons<&CombatCountdown>(table, "N", 59, 60, 61);
    table.AddCondition(62, "SS", &TimerIs<&g_gameTimeTimers, &GlobalTimerTable::IsExpired>);
    table.AddCondition(63, "SS", &TimerIs<&g_gameTimeTimers, &GlobalTimerTable::IsRunning>);
    table.AddCondition(64, "SS", &TimerIs<&g_realTimeTimers, &GlobalTimerTable::IsExpired>);
    table.AddCondition(65, "SS", &TimerIs<&g_realTimeTimers, &GlobalTimerTable::IsRunning>);
    table.AddCondition(68, "", &EncounterFlagSet);
    table.AddCondition(69, "S", &ScriptTagIs);
}
