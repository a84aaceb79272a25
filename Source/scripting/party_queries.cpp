#include "Source/scripting/party_queries.h"

namespace {

class EmptyParty : public PartyQueries {
public:
    int GetCount() const override { return 0; }
    bool FindByName(const Stringc&) const override { return false; }
    int QueryLeaderStats() const override { return 0; }
    bool AnyMemberHasItem(const Stringc&) const override { return false; }
    bool AnyMemberHasIdentifiedItem(const Stringc&) const override { return false; }
};

const EmptyParty kEmptyParty;
const PartyQueries* g_party = &kEmptyParty;

} // namespace

const PartyQueries& GetPartyQueries() {
    return *g_party;
}

void SetPartyQueries(const PartyQueries* party) {
    g_party = party != nullptr ? party : &kEmptyParty;
}
