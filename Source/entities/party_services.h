#pragma once
// What the entities ask of the player's party.

#include <cstdint>

class Entity;

class PartyServices {
public:
    virtual ~PartyServices() = default;

    virtual Entity* GetLeader() const = 0; // the active member, or null
    virtual bool IsMember(const Entity* entity) const = 0;
    virtual void ShareAmong(uint32_t amount) = 0;  // experience, split among the members
    virtual void RemoveMember(Entity* entity) = 0; // the leader and non-members stay
    virtual void UpdateVision() = 0;               // once a frame, last in the entities' frame

    // Released by its manager: out of the party, the leader too, without a word.
    virtual void ForgetMember(const Entity* entity) = 0;
};
