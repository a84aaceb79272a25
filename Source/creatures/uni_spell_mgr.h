#pragma once
// The registry of the game's spell and skill definitions, loaded once at set-up and asked
// by id. The six skills and three wizard spells differ only in their data.

#include "Library/core/mem_mgr.h"
#include "Source/creatures/spell.h"

#include <cstdint>

class Entity;
class SpellAbility;

class UniSpellMgr {
public:
    static constexpr int kCapacity = 4;
    static constexpr int kDefinitionCount = 9;
    // The definitions, in the order they are loaded.
    static const char* const kDefinitions[kDefinitionCount];

    UniSpellMgr();
    UniSpellMgr(const UniSpellMgr&) = delete;
    UniSpellMgr& operator=(const UniSpellMgr&) = delete;
    virtual ~UniSpellMgr();

    // Every definition; one that cannot be loaded is left out, with a message naming it,
    // and the others stay. False when any was left out.
    bool LoadAll();
    void Clear();                        // every spell reset, its object kept for reuse
    Spell* FindSpell(uint32_t id) const; // the first of the id, or null
    // The spell's ability for the caster: at the level the creature knows it (0 when it does
    // not), or at level 1 for a caster that is no creature. Null when no spell has the id.
    SpellAbility* GetAbility(uint32_t id, Entity* caster) const;
    int CountSpells() const { return m_spells.CountUsed(); }

private:
    MemMgr<Spell> m_spells;
};

// Made by the game's set-up.
extern UniSpellMgr* g_uniSpellMgr;
