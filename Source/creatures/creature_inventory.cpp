#include "Source/creatures/creature_inventory.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_meeting.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"

#include <algorithm>

namespace {

constexpr uint32_t kClassShield = 112;

// The class each slot 0 to 10 takes; 0 takes any.
constexpr uint32_t kSlotClass[CreatureInventory::kShieldSlot + 2] = {103, 102, 104, 105, 114, 113,
                                                                     107, 110, 110, 112, 0};
constexpr uint32_t kBeltClasses[] = {100, 108, 109, 111}; // slots 14 to 16

bool IsTwoHanded(const ItemEntity* item) {
    return item != nullptr && item->GetFlagBit1();
}

} // namespace

CreatureInventory::CreatureInventory(Entity* owner)
    : m_owner(owner), m_backpack(std::make_unique<ContainerEntity>()) {
    m_backpack->Init();
    PrepareBackpack();
}

CreatureInventory::~CreatureInventory() = default;

void CreatureInventory::PrepareBackpack() {
    m_backpack->SetOwner(m_owner);
    m_backpack->AddFlags(Entity::kFlagHidden);
    m_backpack->RemoveFlags(Entity::kFlagShown);
}

CreatureData* CreatureInventory::Data() const {
    Creature* creature = Creature::Of(m_owner);
    return creature ? &creature->GetData() : nullptr;
}

EffectMgr* CreatureInventory::Effects() const {
    CreatureData* data = Data();
    return data ? &data->GetEffectMgr() : nullptr;
}

void CreatureInventory::RefreshLook() const {
    if (CreatureData* data = Data())
        data->RefreshLook();
}

void CreatureInventory::Carry(ItemEntity& item) const {
    item.SetOwner(m_owner);
    item.AddFlags(Entity::kFlagHidden);
}

bool CreatureInventory::IsLiveOwnItem(const ItemEntity* item) const {
    const EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    return manager != nullptr && manager->IsItemLive(item) && item->GetOwner() == m_owner;
}

// What is worn acts on the creature; a weapon acts only in the current hand.
bool CreatureInventory::WearsEffects(const ItemEntity* item, int slot) const {
    return item != nullptr && IsValidSlot(slot) &&
           (item->GetItemClass() != ItemEntity::kClassWeapon || slot == m_currentHand);
}

void CreatureInventory::PutOnEffects(ItemEntity* item, int slot) {
    EffectMgr* effects = Effects();
    if (effects != nullptr && WearsEffects(item, slot))
        effects->ApplyItemEffects(m_owner, EffectList::Of(item->GetEffects()));
}

void CreatureInventory::TakeOffEffects(ItemEntity* item, int slot) {
    EffectMgr* effects = Effects();
    if (effects != nullptr && WearsEffects(item, slot))
        effects->RemoveUnequipEffects(EffectList::Of(item->GetEffects()));
}

bool CreatureInventory::CanPutInSlot(const ItemEntity* item, int slot) {
    m_refusal = kRefusalNone;
    if (item == nullptr)
        return false;
    const uint32_t itemClass = item->GetItemClass();
    bool fits = false;
    if (slot >= kBackpack) {
        fits = true;
    } else if (slot >= 0 && slot <= kAnySlot) {
        fits = kSlotClass[slot] == 0 || kSlotClass[slot] == itemClass;
        if (fits && slot == kShieldSlot && itemClass == kClassShield) {
            for (int hand = kFirstHand; hand <= kLastHand; ++hand)
                if (IsTwoHanded(m_slots[hand])) {
                    m_refusal = kRefusalShieldAndTwoHanded;
                    return false;
                }
        }
    } else if (IsHandSlot(slot)) {
        const ItemEntity* held = m_slots[slot];
        const ItemAbility* ability = held ? ItemAbility::Of(held->GetAbility()) : nullptr;
        fits =
            itemClass == ItemEntity::kClassWeapon ||
            (itemClass == ItemEntity::kClassAmmunition && held && held->AcceptsAmmunition(*item) &&
             ability && ability->GetRoundsPerUse() != 0 && !held->IsFull());
        if (fits && IsTwoHanded(item) && m_slots[kShieldSlot] != nullptr) {
            m_refusal = kRefusalShieldAndTwoHanded;
            return false;
        }
    } else if (slot > kLastHand && slot < kBackpack) {
        fits = std::find(std::begin(kBeltClasses), std::end(kBeltClasses), itemClass) !=
               std::end(kBeltClasses);
    }
    if (!fits)
        m_refusal = kRefusalWrongKind;
    return fits;
}

int CreatureInventory::TakeRefusal() {
    const int refusal = m_refusal;
    m_refusal = kRefusalNone;
    return refusal;
}

ItemEntity* CreatureInventory::GetSlot(int slot) const {
    return IsValidSlot(slot) ? m_slots[slot] : nullptr;
}

bool CreatureInventory::FindSlotOf(const ItemEntity* item, int& slot) const {
    if (item == nullptr)
        return false;
    for (int index = 0; index < kSlotCount; ++index)
        if (m_slots[index] == item) {
            slot = index;
            return true;
        }
    if (!m_backpack->HasItem(item))
        return false;
    slot = kBackpack;
    return true;
}

bool CreatureInventory::Contains(const ItemEntity* item) const {
    int slot = 0;
    return FindSlotOf(item, slot);
}

bool CreatureInventory::BackpackContains(const ItemEntity* item) const {
    return item != nullptr && m_backpack->HasItem(item);
}

bool CreatureInventory::FindByName(const Stringc& name, ItemEntity*& out) const {
    for (ItemEntity* item : m_slots)
        if (item != nullptr && item->GetTemplateName() == name) {
            out = item;
            return true;
        }
    ItemEntity* found = m_backpack->FindItemByName(name);
    if (found != nullptr)
        out = found;
    return found != nullptr;
}

bool CreatureInventory::HasItemNamed(const Stringc& name) const {
    ItemEntity* found = nullptr;
    return FindByName(name, found);
}

bool CreatureInventory::IsNamedItemInSlot(const Stringc& name, int slot) const {
    const ItemEntity* item = GetSlot(slot);
    return item != nullptr && item->GetTemplateName() == name;
}

bool CreatureInventory::IsItemInSlot(const ItemEntity* item, int slot) const {
    return item != nullptr && GetSlot(slot) == item;
}

bool CreatureInventory::FindFreeHandSlot(int& slot) const {
    for (int hand = kFirstHand; hand <= kLastHand; ++hand)
        if (m_slots[hand] == nullptr) {
            slot = hand;
            return true;
        }
    return false;
}

bool CreatureInventory::FindStackSlot(const ItemEntity* item, int& slot) const {
    if (item == nullptr)
        return false;
    for (int index = 0; index < kSlotCount; ++index)
        if (m_slots[index] != nullptr && m_slots[index]->CanStackWith(*item)) {
            slot = index;
            return true;
        }
    return false;
}

float CreatureInventory::GetTotalWeight() const {
    float weight = m_backpack->GetWeight();
    for (const ItemEntity* item : m_slots)
        if (item != nullptr)
            weight += item->GetTotalWeight();
    return weight;
}

bool CreatureInventory::IsTooHeavyWith(const ItemEntity* item) const {
    const CreatureData* data = Data();
    return item != nullptr && data != nullptr &&
           GetTotalWeight() + item->GetTotalWeight() > data->GetCarryWeight();
}

float CreatureInventory::GetMoveCost(const ItemEntity* item, int slot) {
    int from = 0;
    if (!CanPutInSlot(item, slot) || !FindSlotOf(item, from) ||
        from == std::min(slot, static_cast<int>(kBackpack)))
        return 0.0f;
    return from == kBackpack || slot >= kBackpack ? 1.0f : 0.0f;
}

int CreatureInventory::CountBackpackItems() const {
    return m_backpack->CountHeld();
}

bool CreatureInventory::FindAmmoInBackpack(const Stringc& name, uint16_t ammoType,
                                           ItemEntity*& out) const {
    std::vector<ItemEntity*> stacks;
    for (int index = 0; index < m_backpack->CountHeld(); ++index)
        if (ItemEntity* item = m_backpack->GetItemAt(index); item->GetStackSize() > 0)
            stacks.push_back(item);
    ItemEntity* found = nullptr;
    if (!FindAmmoByName(name, ammoType, stacks, found))
        return false;
    out = found;
    return true;
}

bool CreatureInventory::CollectItems(std::vector<ItemEntity*>& list) const {
    for (ItemEntity* item : m_slots)
        if (item != nullptr && std::find(list.begin(), list.end(), item) == list.end())
            list.push_back(item);
    m_backpack->AddAllFrom(list);
    for (ItemEntity* item : list)
        item->AddFlags(Entity::kFlagCandidate);
    return !list.empty();
}

void CreatureInventory::SetCurrentHand(int slot) {
    if (slot < kFirstHand)
        slot = kLastHand;
    else if (slot > kLastHand)
        slot = kFirstHand;
    ItemEntity* old = m_slots[m_currentHand];
    if (old != nullptr && IsLiveOwnItem(old))
        TakeOffEffects(old, m_currentHand);
    m_currentHand = slot;
    ItemEntity* now = m_slots[m_currentHand];
    if (now != nullptr && IsLiveOwnItem(now))
        PutOnEffects(now, m_currentHand);
}

void CreatureInventory::ReleaseItems() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        ItemEntity*& item = m_slots[slot];
        if (item != nullptr && IsLiveOwnItem(item)) {
            TakeOffEffects(item, slot);
            item->Release();
        }
        item = nullptr;
    }
    m_backpack->Init();
    PrepareBackpack();
}

void CreatureInventory::Reset() {
    SetCurrentHand(kFirstHand);
    ReleaseItems();
    m_refusal = kRefusalNone;
}

void CreatureInventory::FinishLoading() {
    for (ItemEntity* item : m_slots)
        if (item != nullptr)
            item->RefreshAbility();
    for (int index = 0; index < m_backpack->CountHeld(); ++index)
        m_backpack->GetItemAt(index)->RefreshAbility();
}

void CreatureInventory::SetNamedItemVariant(const Stringc& name) {
    bool matched = false;
    for (ItemEntity* item : m_slots)
        if (item != nullptr && item->GetTemplateName() == name) {
            item->RefreshName(1);
            matched = true;
        }
    if (!matched)
        m_backpack->RefreshNamedItem(name);
}

void CreatureInventory::ForNamedItems(const Stringc& name, int value) {
    for (ItemEntity* item : m_slots)
        if (item != nullptr && item->GetTemplateName() == name)
            item->ForListEntries(value);
    m_backpack->ForNamedItems(name, value);
}

void CreatureInventory::ResetItems() {
    for (ItemEntity* item : m_slots)
        if (item != nullptr)
            item->ResetAbilityState();
    m_backpack->UpdateItems();
}

void CreatureInventory::LoadItemGraphics(int load) {
    for (ItemEntity* item : m_slots) {
        if (item == nullptr)
            continue;
        if (load == 1)
            item->LoadIcon();
        else
            item->LoadIcon2();
    }
    m_backpack->LoadItemIcons(load);
}
