#pragma once
// What the play screen asks of the player's party: its active member, the level-ups the
// player is to spend, and the orders a screen gives one character. Each order checks its
// character and target itself and reports its own refusals.

class Entity;
class ItemEntity;
class Vector;

class PartyOrders {
public:
    virtual ~PartyOrders() = default;

    virtual Entity* GetActiveMember() const = 0; // null without a party
    virtual void LevelUpMembers() = 0;
    virtual bool HasLevelUpPending() const = 0;

    virtual bool ToggleRun(Entity* character) = 0;
    virtual bool NextHand(Entity* character) = 0;
    virtual bool PrevHand(Entity* character) = 0;
    virtual bool TurnNext(Entity* character) = 0;
    virtual bool TurnPrev(Entity* character) = 0;
    virtual bool NextItemEntry(Entity* character) = 0;
    virtual bool ReloadWeapon(Entity* character) = 0;
    virtual bool Rest(Entity* character) = 0;
    virtual bool WalkToMouse(Entity* character) = 0;
    virtual bool Examine(Entity* entity) = 0;
    virtual bool PickUp(Entity* character, Entity* item) = 0;
    virtual bool Attack(Entity* character, Entity* target) = 0;
    virtual bool CastSpell(Entity* character, int spellId, Entity* target, const Vector& point) = 0;
    virtual bool Open(Entity* character, Entity* target) = 0;
    virtual bool Talk(Entity* character, Entity* target, float distance) = 0;
    virtual bool UseItemOn(Entity* character, ItemEntity* item, Entity* target) = 0;
};

// The party the game's screens order; installed by the game's set-up, null: none.
extern PartyOrders* g_partyOrders;
