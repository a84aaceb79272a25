#pragma once
// The rules of an item's use: its texts, its kind (what a use does), uses, damage dice,
// range, area, damage type, ammunition, projectile and spell, sound, animation names and
// effects. A use fills the ability's use record and hands it to the rules, the projectile
// launcher, the spells or the ability routines.

#include "Library/core/stringc.h"
#include "Source/creatures/ability_data.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/weapon_ability.h"
#include "Source/entities/item_ability_link.h"

#include <cstdint>

class CreatureInventory;

enum ItemAbilityKind : uint8_t {
    kAbilityUnusable = 0,
    kAbilityDirect = 1,     // applied to the target
    kAbilityThrown = 2,     // launches its projectile
    kAbilitySpell = 3,      // casts a spell
    kAbilityAmmunition = 4, // fires ammunition from the backpack
    kAbilityMagazine = 5,   // fires from its magazine
    kAbilityUnlimited = 6,  // melee and the like
};

class ItemAbility : public ItemAbilityLink, public WeaponAbility {
public:
    enum Text : int { kName, kAlternativeName, kDescription, kAlternativeDescription };
    enum UseMode : uint8_t { kUseByMode = 1, kUseNearestInArea = 2, kUseLaunch = 3 };
    static constexpr int kAnimationTexts = 3;

    ItemAbility() { Reset(); }
    ItemAbility(const ItemAbility&) = delete;
    ItemAbility& operator=(const ItemAbility&) = delete;

    // The ability of an item's link; null for none.
    static ItemAbility* Of(ItemAbilityLink* link) { return dynamic_cast<ItemAbility*>(link); }
    static const ItemAbility* Of(const ItemAbilityLink* link) {
        return dynamic_cast<const ItemAbility*>(link);
    }

    void Reset() override;
    // Stored form, little-endian: 4 x Stringc texts; u8 attack kind, u8 kind, u8 target type,
    // u8 roll flag; u8 flag byte, u8 use mode, u16 rounds per use; u32 ammunition id;
    // Stringc ammunition name, Stringc ammunition text; u32 uses, u32 maximum uses; u8 byte
    // value; f32 range, f32 radius; f64 spread; u16 projectile kind, u16 throw mode, f32 use
    // time, i16 extra value, i16 damage bonus, u16 dice count, u16 dice sides, u32 damage
    // type, u16 spell id, u8 spell level; Stringc sound, Stringc second sound; 3 x (Stringc
    // animation text, u8); the effect list. The ammunition is looked for again after reading.
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    void CopyFrom(const ItemAbilityLink& other) override;
    void SetOwner(ItemEntity* item) override { m_owningItem = item; }
    void SetMagazine(ItemMagazine* magazine) override { m_magazine = magazine; }
    uint32_t GetAmmunitionId() const override { return m_ammunitionId; }

    // The alternative texts while the owning item is identified and they are not empty.
    const Stringc& GetName() const override;
    const Stringc& GetDescription() const override;
    int GetKind() const override { return m_kind; }
    float GetUseTime() const override { return m_useTime; }
    int GetMagazineId() const override; // the magazine's id, else the ammunition id
    float GetMagazineFactor() const;    // the magazine's, else 0
    // The magazine's ammunition display name and text, else the ammunition's name and text.
    const Stringc& GetMagazineName() const;
    const Stringc& GetMagazineText() const;
    // 1 applied directly, 2 fired or thrown (kinds 2, 4, 5 and 6), -1 otherwise.
    int GetUseClass() const;
    int GetCount() const override;      // the magazine's rounds, else the uses
    void SetCount(int count) override { m_uses = static_cast<uint32_t>(count); }
    int GetCharges() const override;
    int GetMaxCharges() const override;
    int GetCapacity() const override;
    float GetRange() const override { return m_range; }
    bool IsFull() const override;
    bool IsEmpty() const override;
    bool AcceptsAmmo(const ItemEntity& item) const override;
    bool ForgetAmmunition(const ItemEntity* item) override;
    bool Refresh() override;
    void ResetState() override { m_data.Clear(); }
    bool IsValidTarget(Entity* entity, const Vector& point) const override;
    bool Use(Entity* user, const Vector& userPosition, Entity* target,
             const Vector& targetPosition) override;

    bool RollsToHit() const override { return m_rollFlag != 0; }
    const AbilityUse& PrepareUse(Entity& attacker, Entity& target) override;
    const EffectList* GetEffects() const override { return &m_effects; }

    // For kind 4: the owner's backpack's first ammunition of the ammunition id becomes the
    // loaded ammunition, its name and text copied; false when there is none.
    bool FindAmmunition();
    bool ConsumeUse();              // true for an unlimited item; false with no use left
    uint32_t GetDamageType() const; // with the bits of the magazine's round
    int RollDamage() const;
    const Stringc& GetAnimationName() const { return m_animationTexts[0]; }
    void PlaySound(const Vector& position) const; // the use's sound, heard from there

    ItemEntity* GetOwningItem() const { return m_owningItem; }
    ItemEntity* GetLoadedAmmunition() const { return m_loadedAmmunition; }
    ItemMagazine* GetMagazine() const { return m_magazine; }
    const AbilityData& GetData() const { return m_data; }
    int GetAttackKind() const { return m_attackKind; }
    int GetTargetType() const { return m_targetType; }
    int GetUseMode() const { return m_useMode; }
    int GetRoundsPerUse() const { return m_roundsPerUse; }
    int GetUses() const { return static_cast<int32_t>(m_uses); }
    int GetMaxUses() const { return static_cast<int32_t>(m_maxUses); }
    float GetRadius() const { return m_radius; }
    double GetSpread() const { return m_spread; }
    int GetProjectileKind() const { return m_projectileKind; }
    int GetThrowMode() const { return m_throwMode; }
    int GetExtraValue() const { return m_extraValue; }
    int GetDamageBonus() const { return m_damageBonus; }
    int GetDiceCount() const { return m_diceCount; }
    int GetDiceSides() const { return m_diceSides; }
    int GetSpellId() const { return m_spellId; }
    int GetSpellLevel() const { return m_spellLevel; }

    // Content authors fill a definition.
    void SetText(int index, const Stringc& text); // 0 to 3
    void DefineUse(uint8_t kind, uint8_t attackKind, uint8_t targetType, bool rollsToHit,
                   uint8_t useMode);
    void SetUses(uint32_t uses, uint32_t maxUses);
    void SetDamage(uint16_t diceCount, uint16_t diceSides, int16_t bonus, uint32_t damageType);
    void SetReach(float range, float radius, double spread);
    void SetAmmunition(uint32_t ammunitionId, uint16_t roundsPerUse);
    void SetProjectile(uint16_t projectileKind, uint16_t throwMode);
    void SetSpell(uint16_t spellId, uint8_t level);
    void SetUseTime(float useTime) { m_useTime = useTime; }
    void SetSound(const Stringc& sound) { m_sounds[0] = sound; }
    void SetAnimationText(int index, const Stringc& text, uint8_t value); // 0 to 2
    EffectList& GetEffectList() { return m_effects; }

private:
    friend struct ItemAbilityFields;

    CreatureInventory* OwnerInventory() const;
    bool UseKind(Entity* target);
    bool Throw();
    bool PrepareRound(); // kind 4: a single unit of the ammunition loaded
    bool FireRound();
    bool DeliverByMode();
    bool Launch();

    ItemEntity* m_owningItem;
    Stringc m_texts[4];
    uint8_t m_attackKind;
    uint8_t m_kind;
    uint8_t m_targetType;
    uint8_t m_rollFlag;
    ItemEntity* m_loadedAmmunition;
    uint8_t m_flagByte;
    uint8_t m_useMode;
    uint16_t m_roundsPerUse;
    ItemMagazine* m_magazine;
    uint32_t m_ammunitionId;
    Stringc m_ammunitionName;
    Stringc m_ammunitionText;
    uint32_t m_uses;
    uint32_t m_maxUses;
    uint8_t m_byteValue;
    float m_range;
    float m_radius;
    double m_spread;
    uint16_t m_projectileKind;
    uint16_t m_throwMode;
    float m_useTime;
    int16_t m_extraValue;
    int16_t m_damageBonus;
    uint16_t m_diceCount;
    uint16_t m_diceSides;
    uint32_t m_damageType;
    uint16_t m_spellId;
    uint8_t m_spellLevel;
    Stringc m_sounds[2];
    Stringc m_animationTexts[kAnimationTexts];
    uint8_t m_animationValues[kAnimationTexts];
    EffectList m_effects;
    AbilityData m_data;
};
