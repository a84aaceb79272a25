#include "Source/scripting/party_mgr_requests.h"

#include "Source/world/party_mgr.h"

bool PartyMgrRequests::AddMember(Entity* entity) {
    return m_party.AddMember(entity);
}

void PartyMgrRequests::RemoveMember(Entity* entity) {
    m_party.RemoveMember(entity);
}

bool PartyMgrRequests::GiveMoneyTo(Entity* creature, int amount) {
    return m_party.GiveMoneyTo(creature, amount);
}

bool PartyMgrRequests::TakeMoneyFrom(Entity* creature, int amount) {
    return m_party.TakeMoneyFrom(creature, amount);
}

bool PartyMgrRequests::AddMoney(int amount) {
    return m_party.AddMoney(amount);
}

bool PartyMgrRequests::TakeItemFromParty(Entity* receiver, const Stringc& name) {
    return m_party.TakeItemFromParty(receiver, name);
}

bool PartyMgrRequests::PlaceAtEntryPoint(const Vector& point, int facing) {
    return m_party.PlaceAtEntryPoint(point, facing);
}

void PartyMgrRequests::ShareAmong(uint32_t amount) {
    m_party.ShareAmong(amount);
}

void PartyMgrRequests::StartFlee(const Stringc& region, const Stringc& entry) {
    m_party.StartFlee(region, entry);
}
