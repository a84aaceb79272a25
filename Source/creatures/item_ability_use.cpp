// Using an item: the use record filled, then what the ability's kind does with it.
#include "Source/creatures/item_ability.h"

#include "Source/creatures/ability_delivery.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"

namespace {

constexpr uint16_t kLastThrowModeLeaving = 3;

} // namespace

bool ItemAbility::Use(Entity* user, const Vector& userPosition, Entity* target,
                      const Vector& targetPosition) {
    PlaySound(userPosition);
    if (m_kind == kAbilityAmmunition && !PrepareRound())
        return false;
    m_data.Clear();
    m_data.SetSourceTarget(user, userPosition, target, targetPosition);
    m_data.SetFromItemAbility(*this);
    return UseKind(target);
}

bool ItemAbility::UseKind(Entity* target) {
    AbilityDelivery* delivery = GetAbilityDelivery();
    switch (m_kind) {
    case kAbilityDirect:
        return ConsumeUse() && delivery && delivery->ApplyToTarget(m_data, target);
    case kAbilityThrown:
        return Throw();
    case kAbilitySpell:
        return ConsumeUse() && delivery && delivery->CastSpell(m_spellId, m_spellLevel, m_data);
    case kAbilityAmmunition:
        return FireRound();
    case kAbilityMagazine: {
        int taken = 0;
        if (m_magazine == nullptr || !m_magazine->TakeRounds(m_roundsPerUse, taken))
            return false;
        m_data.SetShots(taken);
        return DeliverByMode();
    }
    case kAbilityUnlimited:
        return DeliverByMode();
    default:
        return false;
    }
}

bool ItemAbility::DeliverByMode() {
    AbilityDelivery* delivery = GetAbilityDelivery();
    switch (m_useMode) {
    case kUseByMode:
        return delivery && delivery->ApplyToTargetByMode(m_data);
    case kUseNearestInArea:
        return delivery && delivery->ApplyToNearestInArea(m_data);
    case kUseLaunch:
        return Launch();
    default:
        return false;
    }
}

bool ItemAbility::Launch() {
    AbilityDelivery* delivery = GetAbilityDelivery();
    return delivery && delivery->Fire(m_projectileKind, m_data);
}

// A thrown item leaves its carrier before it flies; when nothing flies it comes back to the
// slot it left.
bool ItemAbility::Throw() {
    CreatureInventory* inventory = OwnerInventory();
    ItemEntity* item = m_owningItem;
    if (inventory == nullptr || item == nullptr)
        return false;
    const bool leaves = m_throwMode >= 1 && m_throwMode <= kLastThrowModeLeaving;
    int slot = CreatureInventory::kBackpack;
    bool removed = false;
    if (leaves) {
        inventory->FindSlotOf(item, slot);
        item->AddFlags(Entity::kFlagUnsearchable);
        removed = inventory->RemoveItem(1, item);
    }
    if (Launch())
        return true;
    item->RemoveFlags(Entity::kFlagUnsearchable);
    ItemEntity* back = nullptr;
    if (removed && inventory->AddItem(item, back) && slot != CreatureInventory::kBackpack)
        inventory->AddToSlot(back, 1, slot, back);
    return false;
}

bool ItemAbility::PrepareRound() {
    CreatureInventory* inventory = OwnerInventory();
    if (inventory == nullptr || !FindAmmunition())
        return false;
    ItemEntity* round = nullptr;
    if (!inventory->TakeFromBackpack(m_loadedAmmunition, round))
        return false;
    m_loadedAmmunition = round;
    return true;
}

// The round's dice and effects are in the use record already: used up, it is released here
// once and never read again.
bool ItemAbility::FireRound() {
    ItemEntity* round = m_loadedAmmunition;
    round->SetCount(round->GetCount() - 1);
    if (round->GetCount() < 1) {
        CreatureInventory* inventory = OwnerInventory();
        round->AddFlags(Entity::kFlagUnsearchable);
        if (inventory != nullptr)
            inventory->RemoveItem(1, round);
        round->SetStackSize(0);
        round->Release();
        m_data.ForgetLoadedAmmunition();
        FindAmmunition();
    }
    return Launch();
}
