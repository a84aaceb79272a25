#include "Source/creatures/uni_spell_mgr.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/spell_mgr.h"

#include <cstdio>

UniSpellMgr* g_uniSpellMgr = nullptr;

const char* const UniSpellMgr::kDefinitions[kDefinitionCount] = {
    "skill_detect_traps", "skill_disarm_traps",   "skill_first_aid",
    "skill_lock_pick",    "skill_sneak",          "skill_steal",
    "wizard_fireball",    "wizard_magic_missile", "wizard_stinking_cloud",
};

UniSpellMgr::UniSpellMgr() : m_spells(kCapacity) {}

UniSpellMgr::~UniSpellMgr() = default;

void UniSpellMgr::Clear() {
    for (int slot = 0; slot < m_spells.GetCount(); ++slot)
        if (m_spells.IsUsed(slot))
            m_spells.Get(slot)->Reset();
    m_spells.FreeAll();
}

// One broken definition costs only its own spell.
bool UniSpellMgr::LoadAll() {
    Clear();
    bool all = true;
    for (const char* name : kDefinitions) {
        Spell* spell = m_spells.Alloc();
        spell->Reset();
        if (spell->Load(name))
            continue;
        std::fprintf(stderr, "The spell %s could not be loaded\n", name);
        m_spells.Free(m_spells.SlotOf(spell));
        all = false;
    }
    return all;
}

Spell* UniSpellMgr::FindSpell(uint32_t id) const {
    const int slot = m_spells.FindUsed([id](const Spell& spell) { return spell.GetId() == id; });
    return slot >= 0 ? m_spells.Get(slot) : nullptr;
}

SpellAbility* UniSpellMgr::GetAbility(uint32_t id, Entity* caster) const {
    Spell* spell = FindSpell(id);
    if (spell == nullptr)
        return nullptr;
    const Creature* creature = Creature::Of(caster);
    spell->SelectAbility(creature ? static_cast<int>(creature->GetData().GetSpellMgr().GetLevel(id))
                                  : 1);
    return spell->GetSelectedAbility();
}
