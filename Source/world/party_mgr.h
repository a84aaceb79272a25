#pragma once
// The player's party: up to six creatures the player leads. The members are soldiers of
// the current region's entity manager; the party holds them in list slots, in the order
// they joined, and in six compacted slots of which the first is the leader. It places them
// on maps and on the world map, writes and reads them with the saved game, writes the
// leader alone to "player.dat" between the new-game screen and the first map, runs the
// party's flight off a map, flags level-ups and answers what scripts ask of the party.
//
// Saved party: i32 member count N (0 to 6), then N soldier records in slot order.
// "player.dat": the leader's soldier record alone, with no header or count.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Source/entities/party_services.h"

#include <array>
#include <cstdint>

class EntityMgr;
class EntryPtMgr;
class JourneyRequests;
class PartyActions;
class PlayerMessages;
class SoldierEntity;
class Stream;

class PartyMgr : public PartyServices {
public:
    static constexpr int kMaxMembers = 6;
    static constexpr const char* kMoneyItem = "item_money";

    // What the party works with. Objects made and deleted around it are reached through
    // their slots, read at each use; a null one is skipped.
    struct Services {
        EntityMgr* const& entities; // the current region's
        EntryPtMgr* const& entries;
        PlayerMessages* const& messages; // the play screen's message lines
        JourneyRequests* const& journeys;
        PartyActions* const& actions;
        Stringc playerFile; // "player.dat" under the save directory
    };

    explicit PartyMgr(const Services& services);
    PartyMgr(const PartyMgr&) = delete;
    PartyMgr& operator=(const PartyMgr&) = delete;
    ~PartyMgr() override = default;

    // Membership. Every operation that finds no leader, a non-member or a slot out of range
    // returns false or null and changes nothing.
    void Reset(); // no members, no flight, no level-ups
    // The party reset, then a new soldier of the template as its only member.
    bool AddCharacterByName(const Stringc& name);
    bool AddMember(Entity* entity);             // a live creature, while there is room, once
    void RemoveMember(Entity* entity) override; // never the leader
    bool ReleaseAll();                          // every member out of the party and its manager
    // A member released by its manager, the leader too: the next member in joining order
    // leads.
    void ForgetMember(const Entity* entity) override;
    void RebuildSlots();
    void ClearSlots();
    SoldierEntity* GetSlot(int index) const;
    SoldierEntity* GetLeaderSoldier() const { return m_slots[0]; }
    Entity* GetLeader() const override;
    bool FindSlot(const Entity* member, int& index) const;
    static bool IsValidSlot(int index) { return index >= 0 && index < kMaxMembers; }
    int GetCount() const;
    bool IsFull() const { return GetCount() >= kMaxMembers; }
    bool IsMember(const Entity* entity) const override;
    bool FindByName(const Stringc& name) const; // extension dropped, case ignored
    bool IsOnWorldMap() const { return m_onWorldMap; }

    // Stored forms. Load resets first; a count outside 0..6, a record that cannot be read
    // or a soldier met twice fails it, and the soldiers it made are released again.
    bool Save(Stream& stream) const;
    bool Load(Stream& stream);
    bool SavePlayer() const;
    bool LoadPlayer();

    // Placing. Each false at the first member that cannot be put on the map.
    bool PlaceOnMap(); // at their stored positions
    bool PlaceAtEntryPoint(const Vector& point, int facing);
    bool PlaceAtEntryPointNamed(const Stringc& name);  // the default entry when none has it
    bool PlaceLeaderAtEntryPoint(const Stringc& name); // the world map: the leader alone

    // Items and money. A move that cannot be completed is undone.
    bool AnyMemberHasItem(const Stringc& name) const;
    bool AnyMemberHasFlaggedItem(const Stringc& name) const; // an identified one
    // The first member's item goes to the receiver's inventory; without a receiving
    // creature it is released.
    bool TakeItemFromParty(Entity* receiver, const Stringc& name);
    int QueryLeaderStats() const; // the leader's money
    bool GiveMoneyTo(Entity* creature, int amount);
    bool TakeMoneyFrom(Entity* creature, int amount);
    bool AddMoney(int amount);

    // Experience and levels.
    void AddExperienceTo(Entity* creature, uint32_t amount);
    void ShareAmong(uint32_t amount) override; // nothing for an empty party
    void LevelUpMembers();
    bool GetFirstLevelUpPending(int& slot) const;
    void ClearLevelUpPending(int slot);

    // Movement and the world.
    void SetRunning(bool running);
    bool MoveLeaderTo(const Vector& point);
    void StopFollowers();
    void UpdateVision() override;
    void UpdateHealTimers(); // of the members travelling the world map
    void StartFlee(const Stringc& region, const Stringc& entry);
    void UpdateFlee(); // once a frame on the area map
    bool IsFleeing() const { return m_fleeing; }
    void HitInBack(SoldierEntity& member);
    // A free spot for the creature four to six units from the centre, on a random heading.
    bool FindSpotNear(Entity& creature, const Vector& centre, Vector& out);
    const Stringc& GetSlotName(int index) const; // six names kept for the slots; "" outside

private:
    using MemberList = std::array<SoldierEntity*, kMaxMembers>;

    SoldierEntity* MakeSoldier() const; // at (0, 0, 0); null without a manager
    bool AddToList(SoldierEntity* soldier);
    void DropFromList(const Entity* entity);
    void ReleaseSoldier(SoldierEntity* soldier) const;
    bool PlaceAt(SoldierEntity& member, const Vector& point) const;
    bool MoveMoney(SoldierEntity& from, Entity* to, int amount);
    bool IsOffMap(const SoldierEntity& member) const;
    void SendOffMap(SoldierEntity& member) const;
    void AddMessage(const char* text) const;
    template <class Visit> void ForEachMember(Visit visit) const {
        for (SoldierEntity* member : m_members)
            if (member != nullptr)
                visit(*member);
    }

    Services m_services;
    MemberList m_members{}; // the list, in joining order; null where free
    MemberList m_slots{};   // the members compacted; the leader first
    std::array<bool, kMaxMembers> m_levelUpPending{};
    bool m_onWorldMap = false;
    bool m_fleeing = false;
    Stringc m_fleeRegion;
    Stringc m_fleeEntry;
    std::array<Stringc, kMaxMembers> m_names;
    float m_nearDistance = 4.0f;
    float m_farDistance = 6.0f;
};

// Made by the game's set-up.
extern PartyMgr* g_partyMgr;
