#pragma once
// The creatures' rules for items: item abilities and effect lists. Installed for its
// lifetime (the game's for the program's, a test's or tool's for theirs); the rules
// installed before come back after it.

#include "Source/entities/item_rules.h"

class CreatureItemRules : public ItemRules {
public:
    CreatureItemRules() : m_previous(GetItemRules()) { SetItemRules(this); }
    ~CreatureItemRules() override { SetItemRules(m_previous); }
    CreatureItemRules(const CreatureItemRules&) = delete;
    CreatureItemRules& operator=(const CreatureItemRules&) = delete;

    std::unique_ptr<ItemAbilityLink> MakeAbility() const override;
    std::unique_ptr<ItemEffectsLink> MakeEffects() const override;

private:
    const ItemRules* m_previous;
};
