#pragma once
// The screens' orders to the party carried out by the party itself: its leader is the
// active member, and each order goes to the character it names when that is a creature.

#include "Source/screens/party_orders.h"

class PartyMgr;

class PartyCmdOrders : public PartyOrders {
public:
    explicit PartyCmdOrders(PartyMgr& party) : m_party(party) {} // the party outlives it

    Entity* GetActiveMember() const override;
    void LevelUpMembers() override;
    bool HasLevelUpPending() const override;

    bool ToggleRun(Entity* character) override;
    bool NextHand(Entity* character) override;
    bool PrevHand(Entity* character) override;
    bool TurnNext(Entity* character) override;
    bool TurnPrev(Entity* character) override;
    bool NextItemEntry(Entity* character) override;
    bool ReloadWeapon(Entity* character) override;
    bool Rest(Entity* character) override;
    bool WalkToMouse(Entity* character) override;
    bool Examine(Entity* entity) override;
    bool PickUp(Entity* character, Entity* item) override;
    bool Attack(Entity* character, Entity* target) override;
    bool CastSpell(Entity* character, int spellId, Entity* target, const Vector& point) override;
    bool Open(Entity* character, Entity* target) override;
    bool Talk(Entity* character, Entity* target, float distance) override;
    bool UseItemOn(Entity* character, ItemEntity* item, Entity* target) override;

private:
    PartyMgr& m_party;
};
