#pragma once
// The record by which entities and scripts name one another. As a pattern it names
// entities by side, life state and five match codes, or by name alone; its list holds the
// steps by which a script resolves it; once resolved it points at the entity found.

#include "Library/core/stringc.h"

#include <cstdint>

class Entity; // the game's: a reference only points at one
class Stream;

class EntityRef {
public:
    static constexpr int kMaxListCount = 5;
    static constexpr uint32_t kNoListEntry = 0xFFFFFFFF;
    static constexpr int kMatchCount = 5;
    static constexpr uint32_t kLifeDead = 3;

    explicit EntityRef(Entity* owner = nullptr); // resolves to owner; every code 0

    void Reset(); // the seven codes 0, the name empty, the list cleared; the entity stays
    void ClearList();
    void AddToList(uint32_t value); // nothing once the list holds five
    void Set(uint32_t side, uint32_t lifeState, uint32_t match1, uint32_t match2, uint32_t match3,
             uint32_t match4, uint32_t match5);
    void SetName(const Stringc& name) { m_name = name; }
    void SetLifeState(uint32_t lifeState) { m_lifeState = lifeState; }
    void SetEntity(Entity* entity) { m_entity = entity; }

    // The seven codes are equal; the name, the list and the entity are not compared.
    bool Equals(const EntityRef& other) const;
    bool IsEmpty() const; // no code, no name, no list entry
    // This as a pattern: a name matches exactly the candidates of that name, whatever the
    // codes; without one, every non-zero code must equal the candidate's.
    bool Matches(const EntityRef& candidate) const;
    bool MatchesEveryone() const; // as a pattern: no name and every code 0

    // Sides: 2-30 the player's, 31-199 neutral, 200 and above hostile; 0 and 1 none.
    // Neutral entities are on the same or the opposed side of no one.
    bool IsPlayerSide() const { return m_side >= 2 && m_side <= 30; }
    bool IsNeutralSide() const { return m_side >= 31 && m_side <= 199; }
    bool IsHostileSide() const { return m_side >= 200; }
    bool IsSameSide(const EntityRef& other) const;
    bool IsOpposedSide(const EntityRef& other) const;
    bool IsDead() const { return m_lifeState == kLifeDead; }
    bool IsStateAwayOrNone() const; // 4, 5 or 255
    bool IsStateKnown() const;      // 1 to 5 or 255

    uint32_t GetSide() const { return m_side; }
    uint32_t GetLifeState() const { return m_lifeState; }
    uint32_t GetMatch(int index) const; // index 1 to 5; 0 for any other
    const Stringc& GetName() const { return m_name; }
    int GetListCount() const { return m_listCount; }
    uint32_t GetListEntry(int index) const; // kNoListEntry outside the used entries
    Entity* GetEntity() const { return m_entity; }

    // Stored form, little-endian: u32 lifeState, match5, match4, match1, match2, match3,
    // side; Stringc name; i32 listCount (0 to 5); listCount x u32 list entries. The entity
    // is not stored. A failed or refused read changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    uint32_t m_side = 0;
    uint32_t m_lifeState = 0;
    uint32_t m_match[kMatchCount] = {};
    Stringc m_name;
    uint32_t m_list[kMaxListCount];
    int32_t m_listCount = 0;
    Entity* m_entity;
};
