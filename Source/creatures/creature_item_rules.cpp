#include "Source/creatures/creature_item_rules.h"

#include "Source/creatures/effect_list.h"
#include "Source/creatures/item_ability.h"

std::unique_ptr<ItemAbilityLink> CreatureItemRules::MakeAbility() const {
    return std::make_unique<ItemAbility>();
}

std::unique_ptr<ItemEffectsLink> CreatureItemRules::MakeEffects() const {
    return std::make_unique<EffectList>();
}
