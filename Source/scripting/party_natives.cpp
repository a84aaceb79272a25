// The actions on the player's party: joining and leaving it, its money and items, where it
// is placed, the experience it shares and its flight off the map.
#include "Source/scripting/game_natives.h"

#include "Library/core/random.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/scripting/script_party.h"

#include <algorithm>

ScriptParty* g_scriptParty = nullptr;

namespace {

constexpr int kFacingBound = 7; // the party is placed facing 0 to 6, as it always was

int32_t Join(const NativeCall& call) {
    return DoneIf(g_scriptParty != nullptr && g_scriptParty->AddMember(call.GetOwner()));
}

int32_t Leave(const NativeCall& call) {
    if (g_scriptParty == nullptr)
        return kActionFailed;
    g_scriptParty->RemoveMember(call.GetOwner());
    return kActionDone;
}

int32_t GiveMoney(const NativeCall& call) {
    return DoneIf(g_scriptParty != nullptr &&
                  g_scriptParty->GiveMoneyTo(call.GetOwner(), call.Int(0)));
}

int32_t TakeMoney(const NativeCall& call) {
    return DoneIf(g_scriptParty != nullptr && call.GetOwnerSoldier() != nullptr &&
                  g_scriptParty->TakeMoneyFrom(call.GetOwner(), call.Int(0)));
}

int32_t AddMoney(const NativeCall& call) {
    return DoneIf(g_scriptParty != nullptr && g_scriptParty->AddMoney(call.Int(0)));
}

// To the owner creature; an owner that is none lets the item go.
int32_t TakeItem(const NativeCall& call) {
    return DoneIf(g_scriptParty != nullptr &&
                  g_scriptParty->TakeItemFromParty(call.GetOwnerSoldier(), call.String(0)));
}

int32_t PlaceParty(const NativeCall& call) {
    return DoneIf(g_scriptParty != nullptr &&
                  g_scriptParty->PlaceAtEntryPoint(call.Point(0), RandomInt(0, kFacingBound)));
}

int32_t ShareExperience(const NativeCall& call) {
    if (g_scriptParty == nullptr)
        return kActionFailed;
    g_scriptParty->ShareAmong(static_cast<uint32_t>(std::max(call.Int(0), 0)));
    return kActionDone;
}

int32_t Flee(const NativeCall& call) {
    if (g_scriptParty == nullptr)
        return kActionFailed;
    g_scriptParty->StartFlee(call.String(0), call.String(1));
    return kActionDone;
}

} // namespace

void RegisterPartyNatives(NativeTable& table) {
    table.AddAction(11, "", &Join);
    table.AddAction(12, "", &Leave);
    table.AddAction(55, "N", &GiveMoney);
    table.AddAction(56, "N", &TakeMoney);
    table.AddAction(57, "N", &AddMoney);
    table.AddAction(58, "S", &TakeItem);
    table.AddAction(95, "P", &PlaceParty);
    table.AddAction(500, "N", &ShareExperience);
    table.AddAction(506, "SS", &Flee);
}
