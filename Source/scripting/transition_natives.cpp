// The actions that leave where the game is: a new game, the story pages, the maps, the
// world map and the game over; and the combat countdown that keeps the player from saving.
#include "Source/scripting/game_natives.h"

#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/scripting/transition_requests.h"
#include "Source/world/drifting_lantern_page.h"

TransitionRequests* g_transitionRequests = nullptr;

namespace {

// A request of a map and an entry point, the call's first two strings.
template <auto kRequest> int32_t Request(const NativeCall& call) {
    if (g_transitionRequests == nullptr)
        return kActionFailed;
    (g_transitionRequests->*kRequest)(call.String(0), call.String(1));
    return kActionDone;
}

int32_t PageToTempMap(const NativeCall& call) {
    if (g_transitionRequests == nullptr)
        return kActionFailed;
    g_transitionRequests->RequestPageToTempMap(call.String(0), call.String(1), call.String(2));
    return kActionDone;
}

int32_t MapToPage(const NativeCall& call) {
    if (g_transitionRequests == nullptr)
        return kActionFailed;
    g_transitionRequests->RequestMapToPage(call.String(0));
    return kActionDone;
}

// The map editor runs scripts of the map it edits: they start no game there.
int32_t NewGame(const NativeCall& call) {
    if (g_gameMode != nullptr && g_gameMode->GetModeId() == kModeMapEditor)
        return kActionDone;
    if (g_transitionRequests == nullptr)
        return kActionFailed;
    g_transitionRequests->RequestInitGame(call.String(0));
    return kActionDone;
}

int32_t GoToPage(const NativeCall& call) {
    if (EntityMgr* manager = call.GetManager())
        manager->StopCombatCountdown();
    return DoneIf(g_page != nullptr && g_page->GoToPage(call.String(0)));
}

int32_t GameOver(const NativeCall&) {
    if (g_gameMode == nullptr)
        return kActionFailed;
    g_gameMode->SetMode(kModeGameOver);
    return kActionDone;
}

int32_t StartCombatCountdown(const NativeCall& call) {
    EntityMgr* manager = call.GetManager();
    if (manager == nullptr)
        return kActionFailed;
    manager->StartCombatCountdown();
    return kActionDone;
}

} // namespace

void RegisterTransitionNatives(NativeTable& table) {
    table.AddAction(88, "S", &NewGame);
    table.AddAction(106, "", &GameOver);
    table.AddAction(215, "S", &GoToPage);
    table.AddAction(216, "SS", &Request<&TransitionRequests::RequestPageToMap>);
    table.AddAction(217, "SSS", &PageToTempMap);
    table.AddAction(218, "SS", &Request<&TransitionRequests::RequestPageToWorld>);
    table.AddAction(219, "SS", &Request<&JourneyRequests::RequestMapToMap>);
    table.AddAction(220, "S", &MapToPage);
    table.AddAction(221, "SS", &Request<&JourneyRequests::RequestMapToWorld>);
    table.AddAction(222, "SS", &Request<&TransitionRequests::RequestWorldToMap>);
    table.AddAction(225, "SS", &Request<&JourneyRequests::RequestTempMapToWorld>);
    table.AddAction(507, "", &StartCombatCountdown);
}
