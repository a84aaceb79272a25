#include "Source/creatures/ability_data.h"

#include "Library/core/maths.h"
#include "Source/creatures/ability_delivery.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/item_ability.h"
#include "Source/creatures/spell_ability.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"

namespace {

constexpr uint16_t kReleasedAfterThrow = 3;

} // namespace

void AbilityData::Clear() {
    m_source = nullptr;
    m_target = nullptr;
    m_sourcePosition = Vector();
    m_targetPosition = Vector();
    m_isItem = 0;
    m_rollFlag = 0;
    m_owningItem = nullptr;
    m_owningSpell = nullptr;
    m_attackKind = 0;
    m_itemKind = 1;
    m_targetType = 0;
    m_loadedAmmunition = nullptr;
    m_magazine = nullptr;
    m_range = 0.0f;
    m_radius = 0.0f;
    m_spread = 0.0;
    m_projectileKind = 0;
    m_throwMode = 0;
    m_extraValue = 0;
    m_damageBonus = 0;
    m_diceCount = 0;
    m_diceSides = 0;
    m_shots = 1;
    m_damageType = 1;
    m_spellId = 0;
    m_spellLevel = 0;
    m_effects.Clear();
    m_roundDice = Dice();
    m_ammunitionDice = Dice();
}

void AbilityData::SetSourceTarget(Entity* source, const Vector& sourcePosition, Entity* target,
                                  const Vector& targetPosition) {
    m_source = source;
    m_sourcePosition = sourcePosition;
    m_target = target;
    m_targetPosition = targetPosition;
}

AbilityData::Dice AbilityData::DiceOf(const ItemAbility* ability) {
    Dice dice;
    if (ability != nullptr) {
        dice.present = true;
        dice.count = static_cast<uint16_t>(ability->GetDiceCount());
        dice.sides = static_cast<uint16_t>(ability->GetDiceSides());
        dice.bonus = static_cast<int16_t>(ability->GetDamageBonus());
    }
    return dice;
}

int AbilityData::Dice::Roll() const {
    return present ? GameRules::RollDice(count, sides, bonus) : 0;
}

void AbilityData::SetFromItemAbility(const ItemAbility& ability) {
    m_isItem = 1;
    m_owningItem = ability.GetOwningItem();
    m_rollFlag = ability.RollsToHit() ? 1 : 0;
    m_attackKind = static_cast<uint8_t>(ability.GetAttackKind());
    m_itemKind = static_cast<uint8_t>(ability.GetKind());
    m_targetType = static_cast<uint8_t>(ability.GetTargetType());
    m_magazine = ability.GetMagazine();
    m_range = ability.GetRange();
    m_radius = ability.GetRadius();
    m_spread = ability.GetSpread();
    m_projectileKind = static_cast<uint16_t>(ability.GetProjectileKind());
    m_throwMode = static_cast<uint16_t>(ability.GetThrowMode());
    m_extraValue = static_cast<int16_t>(ability.GetExtraValue());
    m_damageBonus = static_cast<int16_t>(ability.GetDamageBonus());
    m_diceCount = static_cast<uint16_t>(ability.GetDiceCount());
    m_diceSides = static_cast<uint16_t>(ability.GetDiceSides());
    m_damageType = ability.GetDamageType();
    m_spellId = static_cast<uint16_t>(ability.GetSpellId());
    m_spellLevel = static_cast<uint8_t>(ability.GetSpellLevel());
    m_effects = *ability.GetEffects();
    SetLoadedAmmunition(ability.GetLoadedAmmunition());
    const ItemAbility* round = m_magazine ? ItemAbility::Of(m_magazine->GetRound()) : nullptr;
    m_roundDice = DiceOf(round);
    if (round != nullptr)
        m_effects.AppendFrom(*round->GetEffects());
    if (AbilityDelivery* delivery = GetAbilityDelivery())
        delivery->SetAreaShape(*this);
}

void AbilityData::SetFromSpell(const SpellAbility& ability) {
    m_isItem = 0;
    m_owningSpell = ability.GetSpell();
    m_attackKind = static_cast<uint8_t>(ability.GetAttackKind());
    m_targetType = static_cast<uint8_t>(ability.GetTargetType());
    m_range = ability.GetRange();
    m_radius = ability.GetRadius();
    m_spread = ability.GetAreaAngle();
    m_projectileKind = static_cast<uint16_t>(ability.GetProjectileKind());
    m_effects.AppendFrom(ability.GetEffects());
    if (AbilityDelivery* delivery = GetAbilityDelivery())
        delivery->SetAreaShape(*this);
}

void AbilityData::SetLoadedAmmunition(ItemEntity* ammunition) {
    m_loadedAmmunition = ammunition;
    const ItemAbility* fired = ammunition ? ItemAbility::Of(ammunition->GetAbility()) : nullptr;
    m_ammunitionDice = DiceOf(fired);
    if (fired != nullptr)
        m_effects.AppendFrom(*fired->GetEffects());
}

int AbilityData::RollDice() const {
    return GameRules::RollDice(m_diceCount, m_diceSides, m_damageBonus);
}

int AbilityData::AmmunitionDamage() const {
    if (!m_isItem)
        return 0;
    return ClampToInt(static_cast<long long>(m_roundDice.Roll()) + m_ammunitionDice.Roll());
}

void AbilityData::Finish() {
    if (m_itemKind == kAbilityAmmunition && m_loadedAmmunition != nullptr) {
        Creature* creature = Creature::Of(m_source);
        if (creature != nullptr)
            creature->GetData().GetInventory().ReturnEmptyItem(m_loadedAmmunition);
    } else if (m_itemKind == kAbilityThrown && m_throwMode == kReleasedAfterThrow &&
               m_owningItem != nullptr) {
        m_owningItem->Release();
    }
}
