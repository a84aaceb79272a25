// The conditions scripts ask of the player's party: its size, its members' names, the
// leader's money and what the members carry.
#include "Source/scripting/game_natives.h"

#include "Source/scripting/condition_compare.h"
#include "Source/scripting/party_queries.h"

namespace {

bool MemberCount(const NativeCall&, int32_t& value) {
    value = GetPartyQueries().GetCount();
    return true;
}

bool LeaderMoney(const NativeCall&, int32_t& value) {
    value = GetPartyQueries().QueryLeaderStats();
    return true;
}

int32_t HasMemberNamed(const NativeCall& call) {
    return Answer(GetPartyQueries().FindByName(call.String(0)));
}

int32_t MemberHasItem(const NativeCall& call) {
    return Answer(GetPartyQueries().AnyMemberHasItem(call.String(0)));
}

int32_t MemberHasIdentifiedItem(const NativeCall& call) {
    return Answer(GetPartyQueries().AnyMemberHasIdentifiedItem(call.String(0)));
}

} // namespace

void RegisterPartyConditions(NativeTable& table) {
    AddComparisons<&MemberCount>(table, "N", 22, 24, 23);
    table.AddCondition(25, "S", &HasMemberNamed);
    AddComparisons<&LeaderMoney>(table, "N", 26, 28, 27);
    table.AddCondition(30, "S", &MemberHasItem);
    table.AddCondition(31, "S", &MemberHasIdentifiedItem);
}
