#pragma once
// One use of an item's ability: who uses it on what, from where to where, and everything
// the rules, the ability routines and the projectiles read of it. The dice of the round in
// the magazine and of the loaded ammunition are copied in when the use is prepared, so
// ammunition used up and released by the use is never read again.

#include "Library/core/vector.h"
#include "Source/creatures/ability_use.h"
#include "Source/creatures/effect_list.h"

#include <cstdint>

class Entity;
class ItemAbility;
class ItemEntity;
class ItemMagazine;
class Spell;
class SpellAbility;

class AbilityData : public AbilityUse {
public:
    AbilityData() { Clear(); }
    AbilityData(const AbilityData&) = delete;
    AbilityData& operator=(const AbilityData&) = default;
    virtual ~AbilityData() = default;

    void Clear(); // pointers null, vectors zero, item kind 1, shots 1, damage type 1
    void SetSourceTarget(Entity* source, const Vector& sourcePosition, Entity* target,
                         const Vector& targetPosition);
    // The ability's values, and its effects followed by those of the loaded ammunition and
    // of the magazine's round; then the source's area shape.
    void SetFromItemAbility(const ItemAbility& ability);
    // A spell's: its values and effects, no hit roll; then the source's area shape.
    void SetFromSpell(const SpellAbility& ability);
    // The ammunition the shot fires, its dice and effects taken in.
    void SetLoadedAmmunition(ItemEntity* ammunition);
    void ForgetLoadedAmmunition() { m_loadedAmmunition = nullptr; } // released by the use
    void SetShots(int shots) { m_shots = shots; }
    // After the projectile or explosion of the use: used-up ammunition goes back to the
    // source's weapon, a thrown item of throw mode 3 is released.
    void Finish();

    Entity* GetSource() const override { return m_source; }
    int GetAttackKind() const override { return m_attackKind; }
    bool RollsToHit() const override { return m_rollFlag != 0; }
    float GetRadius() const override { return m_radius; }
    float GetRange() const override { return m_range; }
    int GetShots() const override { return m_shots; }
    uint32_t GetDamageType() const override { return m_damageType; }
    int RollDice() const override;
    int AmmunitionDamage() const override;

    Entity* GetTarget() const { return m_target; }
    const Vector& GetSourcePosition() const { return m_sourcePosition; }
    const Vector& GetTargetPosition() const { return m_targetPosition; }
    bool IsItem() const { return m_isItem != 0; }
    ItemEntity* GetOwningItem() const { return m_owningItem; }
    const Spell* GetOwningSpell() const { return m_owningSpell; }
    ItemEntity* GetLoadedAmmunition() const { return m_loadedAmmunition; }
    int GetItemKind() const { return m_itemKind; }
    int GetTargetType() const { return m_targetType; }
    double GetSpread() const { return m_spread; }
    int GetProjectileKind() const { return m_projectileKind; }
    int GetThrowMode() const { return m_throwMode; }
    int GetExtraValue() const { return m_extraValue; }
    int GetSpellId() const { return m_spellId; }
    int GetSpellLevel() const { return m_spellLevel; }
    const EffectList& GetEffects() const { return m_effects; }

private:
    struct Dice {
        bool present = false;
        uint16_t count = 0;
        uint16_t sides = 0;
        int16_t bonus = 0;
        int Roll() const;
    };
    static Dice DiceOf(const ItemAbility* ability);

    Entity* m_source;
    Entity* m_target;
    Vector m_sourcePosition;
    Vector m_targetPosition;
    uint8_t m_isItem;
    uint8_t m_rollFlag;
    ItemEntity* m_owningItem;
    const Spell* m_owningSpell;
    uint8_t m_attackKind;
    uint8_t m_itemKind;
    uint8_t m_targetType;
    ItemEntity* m_loadedAmmunition;
    ItemMagazine* m_magazine;
    float m_range;
    float m_radius;
    double m_spread;
    uint16_t m_projectileKind;
    uint16_t m_throwMode;
    int16_t m_extraValue;
    int16_t m_damageBonus;
    uint16_t m_diceCount;
    uint16_t m_diceSides;
    int32_t m_shots;
    uint32_t m_damageType;
    uint16_t m_spellId;
    uint8_t m_spellLevel;
    EffectList m_effects;
    Dice m_roundDice;
    Dice m_ammunitionDice;
};
