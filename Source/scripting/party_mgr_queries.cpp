#include "Source/scripting/party_mgr_queries.h"

#include "Source/world/party_mgr.h"

int PartyMgrQueries::GetCount() const {
    return m_party.GetCount();
}

bool PartyMgrQueries::FindByName(const Stringc& name) const {
    return m_party.FindByName(name);
}

int PartyMgrQueries::QueryLeaderStats() const {
    return m_party.QueryLeaderStats();
}

bool PartyMgrQueries::AnyMemberHasItem(const Stringc& name) const {
    return m_party.AnyMemberHasItem(name);
}

bool PartyMgrQueries::AnyMemberHasIdentifiedItem(const Stringc& name) const {
    return m_party.AnyMemberHasFlaggedItem(name);
}
