// What a soldier's orders do at their trigger frame: item moves that cost it time, attacks
// and gifts with what it holds, using entities and noting attacks.
#include "Source/entities/soldier_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_record.h"
#include "Source/entities/carried_items.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/map_object.h"
#include "Source/entities/script_machine.h"

namespace {

constexpr float kPickUpSeconds = 1.0f;
constexpr uint32_t kClassUsedOn = 100; // used on a target, kept while it has uses
constexpr uint32_t kClassUsedUp = 109; // used once and gone

} // namespace

CarriedItems* SoldierEntity::Carried() const {
    return m_creature ? m_creature->GetCarried() : nullptr;
}

void SoldierEntity::Charge(float seconds) {
    if (m_creature)
        m_creature->ChargeTime(seconds);
}

ItemEntity* SoldierEntity::GetCurrentItem() const {
    CarriedItems* carried = Carried();
    return carried ? carried->GetCurrentItem() : nullptr;
}

bool SoldierEntity::NextHandSlot() {
    if (CarriedItems* carried = Carried())
        carried->SelectNextHand();
    return true;
}

bool SoldierEntity::PrevHandSlot() {
    if (CarriedItems* carried = Carried())
        carried->SelectPrevHand();
    return true;
}

// A move into the backpack takes the whole stack; a move to a slot takes the item's move
// count, which the slot's own stacking may cut further.
bool SoldierEntity::MoveItem(ItemEntity* item, int slot, MoveCount count) {
    CarriedItems* carried = Carried();
    if (item == nullptr || carried == nullptr)
        return false;
    Charge(carried->GetMoveCost(item, slot));
    ItemEntity* placed = nullptr;
    return carried->AddToSlot(
        item, count == MoveCount::kStack ? item->GetStackSize() : item->GetStackLimit(), slot,
        placed);
}

bool SoldierEntity::PickUpItem(Entity* entity) {
    ItemEntity* item = nullptr;
    CarriedItems* carried = Carried();
    if (!AsItem(entity, &item) || carried == nullptr || !carried->PickUp(item))
        return false;
    Charge(kPickUpSeconds);
    return true;
}

bool SoldierEntity::StowItem(Entity* entity) {
    ItemEntity* item = nullptr;
    CarriedItems* carried = Carried();
    ItemEntity* placed = nullptr;
    if (!AsItem(entity, &item) || carried == nullptr || !carried->Contains(item) ||
        !carried->AddToSlot(item, item->GetStackSize(), CarriedItems::kBackpackSlot, placed))
        return false;
    Charge(kPickUpSeconds);
    return true;
}

bool SoldierEntity::PutItemInSlot(Entity* entity) {
    ItemEntity* item = nullptr;
    return AsItem(entity, &item) && MoveItem(item, CarriedItems::kBackpackSlot, MoveCount::kStack);
}

bool SoldierEntity::ChargeItemMoveCost(Entity* entity, int slot) {
    ItemEntity* item = nullptr;
    return AsItem(entity, &item) && MoveItem(item, slot, MoveCount::kLimit);
}

bool SoldierEntity::TakeNamedItemFrom(const Stringc& name, int slot) {
    CarriedItems* carried = Carried();
    return carried != nullptr &&
           MoveItem(carried->GetBackpack().FindItemByName(name), slot, MoveCount::kLimit);
}

bool SoldierEntity::TakeNamedItemToBackpack(const Stringc& name) {
    CarriedItems* carried = Carried();
    ItemEntity* item = nullptr;
    return carried != nullptr && carried->FindByName(name, item) &&
           MoveItem(item, CarriedItems::kBackpackSlot, MoveCount::kStack);
}

bool SoldierEntity::ChargeItemUseTime(Entity* entity) {
    ItemEntity* item = nullptr;
    CarriedItems* carried = Carried();
    if (!AsItem(entity, &item) || carried == nullptr || !carried->Contains(item))
        return false;
    ContainerEntity& backpack = carried->GetBackpack();
    ItemEntity* ammunition = backpack.FindAmmunitionFor(*item);
    ItemEntity* left = nullptr;
    if (ammunition == nullptr || !backpack.MoveItemTo(item, ammunition, left))
        return false;
    Charge(item->GetUseTime());
    return true;
}

// Only a weapon acts; anything else held is no attack but no failure either.
bool SoldierEntity::AttackWithCurrentItem(Entity* target) {
    ItemEntity* weapon = GetCurrentItem();
    if (weapon == nullptr || target == nullptr)
        return false;
    if (weapon->GetItemClass() != ItemEntity::kClassWeapon)
        return true;
    Charge(weapon->GetAbilityFloat());
    RecordAttackOn(target, weapon->GetKind());
    return weapon->Use(this, GetPosition(), target, target->GetPosition());
}

// A gift used on its receiver: a potion or a key, used on a creature (whose scripts hear
// of it) or on a map object, and kept while it has uses left; or something used up at once.
// Either way a use spends one item of a stack: the others stay carried, whole.
bool SoldierEntity::GiveItemTo(Entity* entity, Entity* target) {
    ItemEntity* item = nullptr;
    CarriedItems* carried = Carried();
    if (!AsItem(entity, &item) || target == nullptr || carried == nullptr)
        return false;
    item->SetOwner(this);
    const uint32_t itemClass = item->GetItemClass();
    if (itemClass == kClassUsedUp) {
        if (!carried->RemoveItem(1, item))
            return false;
        Charge(item->GetAbilityFloat());
        item->Use(this, GetPosition(), target, target->GetPosition());
        item->Release();
        return true;
    }
    if (itemClass != kClassUsedOn)
        return true;
    const int usesBefore = item->GetCount();
    item->Use(this, GetPosition(), target, target->GetPosition());
    if (item->GetCount() < 1 && item->GetStackSize() > 1) {
        item->SetStackSize(static_cast<uint16_t>(item->GetStackSize() - 1));
        item->SetCount(usesBefore);
    }
    if (item->GetCount() < 1 && !carried->RemoveItem(1, item))
        return false;
    SoldierEntity* soldier = nullptr;
    if (AsSoldier(target, &soldier))
        for (int slot = 0; slot < kEventSlots; ++slot)
            soldier->GetScriptSlot(slot).PostItemUsedEvent(item->GetTemplateName());
    MapObject* mapObject = nullptr;
    if (GetMapObject(target, &mapObject))
        mapObject->OnItemUsed(*this, item->GetTemplateName());
    Charge(item->GetAbilityFloat());
    if (item->GetCount() < 1)
        item->Release();
    return true;
}

bool SoldierEntity::UseEntity(Entity* target, int argument) {
    if (target == nullptr || target->HasAnyFlag(kFlagChanging))
        return false;
    if (target->GetType() == kTypeSoldier) {
        if (g_gameMode != nullptr)
            g_gameMode->SetMode(kModeChosenInventory, ModeRecord::ToArg(this),
                                ModeRecord::ToArg(target));
        return true;
    }
    target->OnEvent(kEventUseEvent, argument, 0, this);
    return true;
}

void SoldierEntity::RecordAttackOn(Entity* target, int32_t value) {
    SoldierEntity* soldier = nullptr;
    if (!AsSoldier(target, &soldier))
        return;
    if (CreatureParts* attacked = soldier->GetCreature())
        attacked->RecordAttackedBy(GetRef(), value);
    if (m_creature)
        m_creature->RecordAttacking(target->GetRef());
}
