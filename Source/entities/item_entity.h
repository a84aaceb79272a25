#pragma once
// A thing that can lie on the map, be carried by a creature or held in a container, and be
// used: weapons, ammunition, tools, potions, money. Its class (100-115) is the second code
// of its reference. What a use does lies in its abilities, one of them current; ranged
// weapons keep their rounds in magazines. Items of one template with equal uses and
// magazines stack.

#include "Source/entities/item_ability_link.h"
#include "Source/entities/owned_slots.h"
#include "Source/entities/queued_entity.h"

#include <memory>

class ContainerEntity;
class ItemEffectsLink;
class ItemMagazine;

class ItemEntity : public QueuedEntity {
public:
    // Item classes.
    static constexpr uint32_t kClassWeapon = 101;
    static constexpr uint32_t kClassAmmunition = 106;
    static constexpr uint32_t kClassMoney = 115;
    // Item flags.
    static constexpr uint32_t kItemUnlimited = 0x01;
    static constexpr uint32_t kItemTwoHanded = 0x02;
    static constexpr uint32_t kItemStowedAtDeath = 0x04;
    static constexpr uint32_t kItemListed = 0x08; // in a container's contents list
    // Texts.
    enum Text : int {
        kName,
        kIdentifiedName,
        kDescriptionText,
        kIdentifiedDescription,
        kFifthText,
        kTextCount
    };
    // A cartridge may itself hold magazines; records nesting deeper than this are refused.
    static constexpr int kMaxCartridgeDepth = 3;

    ItemEntity();
    ~ItemEntity() override;

    void Init() override { Reset(); }
    void Reset() override; // a blank item of quantity 1, no abilities, magazines or effects
    // The queued entity's record, then the item's (see the reader for the layout).
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    bool Draw(Screen& screen) override; // through the map's clip map; always true
    // The icon at the screen position, with the mouse-over flag; false when off screen.
    bool PrepareDraw(Screen& screen);

    Entity* GetOwner() const { return m_owner; } // the carrier; null on the map
    void SetOwner(Entity* owner);
    uint32_t GetItemClass() const { return GetRef().GetLifeState(); }
    // The container that lists it; null when none does.
    ContainerEntity* GetContainer() const { return m_container; }
    void SetContainer(ContainerEntity* container) { m_container = container; }

    // Names: identified shows the identified pair, falling back to the other.
    void RefreshName(int flag); // 1 identifies
    bool IsIdentified() const { return m_identified != 0; }
    const Stringc& GetText(int index) const; // "" outside the five
    void SetText(int index, const Stringc& text);

    uint32_t GetItemFlags() const { return m_itemFlags; }
    void SetItemFlags(uint32_t flags) { m_itemFlags = flags; }
    bool GetFlagBit0() const { return (m_itemFlags & kItemUnlimited) != 0; }
    bool GetFlagBit1() const { return (m_itemFlags & kItemTwoHanded) != 0; }
    bool GetFlagBit2() const { return (m_itemFlags & kItemStowedAtDeath) != 0; }
    bool GetFlagBit3() const { return (m_itemFlags & kItemListed) != 0; }
    bool GetFlagBit7() const { return (m_itemFlags & 0x80) != 0; }
    uint8_t GetFlagByte() const { return m_iconShown; } // 1 while the first icon shows

    // Stack and worth. The quantity is the stack's size; GetQuantity shows the charges of
    // the current ability instead when there is one.
    uint16_t GetStackSize() const { return m_quantity; }
    void SetStackSize(uint16_t quantity) { m_quantity = quantity; }
    uint16_t GetStackLimit() const { return m_maxQuantity; }
    void SetStackLimit(uint16_t limit) { m_maxQuantity = limit; }
    int GetQuantity() const;
    int GetMaxQuantity() const;
    void SetUnitWeight(uint32_t weight) { m_unitWeight = weight; }
    void SetUnitValue(uint32_t value) { m_unitValue = value; }
    float GetTotalWeight() const;
    uint32_t GetTotalValue() const;

    // The icons ("Icons/" + name, animation "misc_1") and the sounds.
    void SetIconName(int index, const Stringc& name);  // 0 or 1
    void SetSoundName(int index, const Stringc& name); // 0 or 1
    bool LoadIcon();
    bool LoadIcon2();
    void PlaySound(int flag) const;                  // 1 the first sound, 0 the second
    static void PlayNamedSound(const Stringc& name); // nothing for ""
    bool MagazineOp(int flag) const; // the current ability's magazine's sound; false without

    // What the item does to whoever wears it; null without rules.
    ItemEffectsLink* GetEffects() const { return m_effects.get(); }

    // Abilities.
    ItemAbilityLink* GetAbility() const { return m_current; }
    // A copy becomes a new used slot, owned by the item, and current; false without rules.
    bool AddAbility(const ItemAbilityLink& ability);
    bool AddMagazine(const ItemMagazine& magazine); // a copy; false without rules
    const OwnedSlots<ItemAbilityLink>& GetAbilities() const { return m_abilities; }
    OwnedSlots<ItemAbilityLink>& GetAbilities() { return m_abilities; }
    const OwnedSlots<ItemMagazine>& GetMagazines() const { return m_magazines; }
    void ForListEntries(int n); // the n-th used ability; unchanged when there are fewer
    void CountListEntries();    // the next used ability, wrapping; null when none
    void RelinkMagazines();

    // The current ability's answers; neutral without one.
    Stringc GetAbilityName() const;
    Stringc GetAbilityText() const;
    float GetAbilityFloat() const;
    float GetUseTime() const { return GetAbilityFloat(); }
    int GetAmmoType() const;
    int GetKind() const;
    int GetCount() const;
    int GetTotalCount() const; // count x quantity
    void SetCount(int count);
    float GetRange() const;
    bool IsFull() const;
    bool IsEmpty() const;
    int GetCapacity() const;
    bool RefreshAbility();
    bool ResetAbilityState();
    bool CanReach(const Entity& target) const;
    bool CanReachPoint(const Vector& point) const;
    bool Use(Entity* user, const Vector& userPosition, Entity* target,
             const Vector& targetPosition);
    bool IsValidTarget(Entity* entity, const Vector& point) const;

    // Stacking.
    bool CanStackWith(const Entity& other) const;
    bool MergeFrom(ItemEntity& other); // no cap: the other ends empty
    // From a stack of 2 or more: n (held within the quantity) go to a new pooled item of
    // the same template and owner, out; false, changing nothing, when none can be made.
    bool SplitCount(int n, ItemEntity*& out);
    bool CanMergeInto(const ItemEntity* emptied); // abilities forget an emptied item

    // Ammunition.
    bool AcceptsAmmunition(const ItemEntity& ammunition) const;
    bool LoadAmmo(ItemEntity& ammunition); // a weapon's first magazine that takes it
    bool HasLoadableMagazine() const;
    bool Unload(Stringc& name, int& count); // a weapon's first loaded magazine, emptied
    bool TestAgainstTemplate(const Stringc& templateName, int multiplier);

private:
    bool LoadNested(Stream& stream, int depth);
    bool LoadMagazines(Stream& stream, int depth);
    bool LoadAbilities(Stream& stream);
    bool EnsureEffects();
    bool SameMagazines(const ItemEntity& other) const;

    friend class ItemMagazine; // reads its cartridge at a depth

    Entity* m_owner = nullptr;
    ContainerEntity* m_container = nullptr;
    uint8_t m_identified = 0;
    Stringc m_texts[kTextCount];
    uint32_t m_itemFlags = 0;
    uint16_t m_value16 = 0;
    uint32_t m_value32 = 0;
    uint8_t m_displayChars[2] = {' ', ' '};
    uint8_t m_iconShown = 0;
    Stringc m_iconNames[3];
    uint16_t m_ruleValues[8] = {};
    uint32_t m_unitWeight = 0;
    uint32_t m_unitValue = 0;
    uint16_t m_quantity = 1;
    uint16_t m_maxQuantity = 1;
    uint16_t m_lastValue = 0;
    Stringc m_sounds[2];
    std::unique_ptr<ItemEffectsLink> m_effects;
    ItemAbilityLink* m_current = nullptr;
    OwnedSlots<ItemAbilityLink> m_abilities;
    OwnedSlots<ItemMagazine> m_magazines;
};
