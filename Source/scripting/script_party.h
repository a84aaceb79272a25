#pragma once
// What scripts ask of the player's party: who belongs to it, its money, its items, where
// it is placed and its flight off the map. The party manager serves it from set-up; without
// one scripts find no party and every request fails.

#include <cstdint>

class Entity;
class Stringc;
class Vector;

class ScriptParty {
public:
    virtual ~ScriptParty() = default;

    virtual bool AddMember(Entity* entity) = 0;    // a creature, while there is room, once
    virtual void RemoveMember(Entity* entity) = 0; // the leader and non-members stay
    virtual bool GiveMoneyTo(Entity* creature, int amount) = 0; // from the leader
    virtual bool TakeMoneyFrom(Entity* creature, int amount) = 0;
    virtual bool AddMoney(int amount) = 0;
    // The first member's item of the name goes to the receiver; with no receiving creature
    // it is released.
    virtual bool TakeItemFromParty(Entity* receiver, const Stringc& name) = 0;
    virtual bool PlaceAtEntryPoint(const Vector& point, int facing) = 0;
    virtual void ShareAmong(uint32_t amount) = 0; // experience, split among the members
    virtual void StartFlee(const Stringc& region, const Stringc& entry) = 0;
};

extern ScriptParty* g_scriptParty; // not owned; null: none
