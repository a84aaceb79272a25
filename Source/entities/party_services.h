#pragma once
// What the entity manager asks of the player's party.

class Entity;

class PartyServices {
public:
    virtual ~PartyServices() = default;

    virtual Entity* GetLeader() const = 0; // the active member, or null
    virtual bool IsMember(const Entity* entity) const = 0;
    virtual void UpdateVision() = 0; // once a frame, last in the entities' frame
};
