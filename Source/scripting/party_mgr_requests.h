#pragma once
// What scripts ask of the party, carried out by the party itself.

#include "Source/scripting/script_party.h"

class PartyMgr;

class PartyMgrRequests : public ScriptParty {
public:
    explicit PartyMgrRequests(PartyMgr& party) : m_party(party) {} // the party outlives it

    bool AddMember(Entity* entity) override;
    void RemoveMember(Entity* entity) override;
    bool GiveMoneyTo(Entity* creature, int amount) override;
    bool TakeMoneyFrom(Entity* creature, int amount) override;
    bool AddMoney(int amount) override;
    bool TakeItemFromParty(Entity* receiver, const Stringc& name) override;
    bool PlaceAtEntryPoint(const Vector& point, int facing) override;
    void ShareAmong(uint32_t amount) override;
    void StartFlee(const Stringc& region, const Stringc& entry) override;

private:
    PartyMgr& m_party;
};
