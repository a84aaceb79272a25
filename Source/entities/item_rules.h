#pragma once
// Where items get the parts the rules give them: their abilities and their effect lists.
// The creatures install theirs at set-up; without them an item holds neither, and a record
// that lists any is refused.

#include <memory>

class ItemAbilityLink;
class Stream;

// A list of effects as an item stores it; what the effects do is the rules' business.
class ItemEffectsLink {
public:
    virtual ~ItemEffectsLink() = default;
    virtual void Clear() = 0;
    virtual bool Load(Stream& stream) = 0;
    virtual bool Save(Stream& stream) const = 0;
};

class ItemRules {
public:
    virtual ~ItemRules() = default;
    virtual std::unique_ptr<ItemAbilityLink> MakeAbility() const = 0;
    virtual std::unique_ptr<ItemEffectsLink> MakeEffects() const = 0;
};

const ItemRules* GetItemRules(); // null until installed
void SetItemRules(const ItemRules* rules);
