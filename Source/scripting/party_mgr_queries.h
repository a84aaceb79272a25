#pragma once
// What scripts ask of the party, answered by the party itself.

#include "Source/scripting/party_queries.h"

class PartyMgr;

class PartyMgrQueries : public PartyQueries {
public:
    explicit PartyMgrQueries(const PartyMgr& party) : m_party(party) {} // the party outlives it

    int GetCount() const override;
    bool FindByName(const Stringc& name) const override;
    int QueryLeaderStats() const override;
    bool AnyMemberHasItem(const Stringc& name) const override;
    bool AnyMemberHasIdentifiedItem(const Stringc& name) const override;

private:
    const PartyMgr& m_party;
};
