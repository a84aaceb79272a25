#include "Source/entities/item_entity.h"

#include "Library/core/maths.h"
#include "Library/geometry/circle_tests.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/item_magazine.h"
#include "Source/entities/item_rules.h"
#include "Source/entities/soldier_entity.h"

#include <algorithm>
#include <iterator>

ItemEntity::ItemEntity() {
    SetType(kTypeItem);
}

ItemEntity::~ItemEntity() = default;

void ItemEntity::Reset() {
    QueuedEntity::Init();
    m_owner = nullptr;
    m_container = nullptr;
    m_identified = 0;
    for (Stringc& text : m_texts)
        text.Clear();
    m_itemFlags = 0;
    m_value16 = 0;
    m_value32 = 0;
    m_displayChars[0] = m_displayChars[1] = ' ';
    m_iconShown = 0;
    for (Stringc& name : m_iconNames)
        name.Clear();
    std::fill(std::begin(m_ruleValues), std::end(m_ruleValues), 0);
    m_unitWeight = 0;
    m_unitValue = 0;
    m_quantity = 1;
    m_maxQuantity = 1;
    m_lastValue = 0;
    for (Stringc& sound : m_sounds)
        sound.Clear();
    if (EnsureEffects())
        m_effects->Clear();
    m_current = nullptr;
    m_abilities.ForEachUsed([](ItemAbilityLink& ability) { ability.Reset(); });
    m_magazines.ForEachUsed([](ItemMagazine& magazine) { magazine.Reset(); });
    m_abilities.FreeAll();
    m_magazines.FreeAll();
}

void ItemEntity::SetOwner(Entity* owner) {
    m_owner = owner;
    m_abilities.ForEachUsed([&](ItemAbilityLink& ability) { ability.SetOwner(this); });
}

void ItemEntity::RefreshName(int flag) {
    if (flag == 1)
        m_identified = 1;
    const bool identified = IsIdentified();
    const Stringc& name = m_texts[identified ? kIdentifiedName : kName];
    const Stringc& description = m_texts[identified ? kIdentifiedDescription : kDescriptionText];
    SetDisplayName(name.Length() > 0 ? name : m_texts[kName]);
    SetDescription(description.Length() > 0 ? description : m_texts[kDescriptionText]);
}

const Stringc& ItemEntity::GetText(int index) const {
    static const Stringc kEmpty;
    return index >= 0 && index < kTextCount ? m_texts[index] : kEmpty;
}

void ItemEntity::SetText(int index, const Stringc& text) {
    if (index >= 0 && index < kTextCount)
        m_texts[index] = text;
}

void ItemEntity::SetIconName(int index, const Stringc& name) {
    if (index == 0 || index == 1)
        m_iconNames[index] = name;
}

void ItemEntity::SetSoundName(int index, const Stringc& name) {
    if (index == 0 || index == 1)
        m_sounds[index] = name;
}

int ItemEntity::GetQuantity() const {
    return m_current ? m_current->GetCharges() : m_quantity;
}

int ItemEntity::GetMaxQuantity() const {
    return m_current ? m_current->GetMaxCharges() : m_maxQuantity;
}

float ItemEntity::GetTotalWeight() const {
    return static_cast<float>(m_quantity) * static_cast<float>(m_unitWeight);
}

uint32_t ItemEntity::GetTotalValue() const {
    return (m_unitValue & 0xFFFF) * m_quantity;
}

bool ItemEntity::EnsureEffects() {
    if (!m_effects) {
        const ItemRules* rules = GetItemRules();
        if (rules != nullptr)
            m_effects = rules->MakeEffects();
    }
    return m_effects != nullptr;
}

bool ItemEntity::AddAbility(const ItemAbilityLink& ability) {
    const ItemRules* rules = GetItemRules();
    ItemAbilityLink* added =
        rules ? m_abilities.Take([&] { return rules->MakeAbility(); }) : nullptr;
    if (added == nullptr)
        return false;
    added->CopyFrom(ability);
    added->SetOwner(this);
    m_current = added;
    RelinkMagazines();
    return true;
}

bool ItemEntity::AddMagazine(const ItemMagazine& magazine) {
    ItemMagazine* added = m_magazines.Take([] { return std::make_unique<ItemMagazine>(); });
    added->CopyFrom(magazine);
    RelinkMagazines();
    return true;
}

void ItemEntity::ForListEntries(int n) {
    if (ItemAbilityLink* ability = m_abilities.GetUsed(n))
        m_current = ability;
}

void ItemEntity::CountListEntries() {
    const int used = m_abilities.CountUsed();
    if (used == 0) {
        m_current = nullptr;
        return;
    }
    const int index = m_abilities.UsedIndexOf(m_current);
    m_current = m_abilities.GetUsed((index + 1) % used);
}

// The last match wins.
void ItemEntity::RelinkMagazines() {
    m_abilities.ForEachUsed([&](ItemAbilityLink& ability) {
        m_magazines.ForEachUsed([&](ItemMagazine& magazine) {
            if (ability.GetAmmunitionId() == magazine.GetId())
                ability.SetMagazine(&magazine);
        });
    });
}

Stringc ItemEntity::GetAbilityName() const {
    return m_current ? m_current->GetName() : Stringc();
}

Stringc ItemEntity::GetAbilityText() const {
    return m_current ? m_current->GetDescription() : Stringc();
}

float ItemEntity::GetAbilityFloat() const {
    return m_current ? m_current->GetUseTime() : 0.0f;
}

int ItemEntity::GetAmmoType() const {
    return m_current ? m_current->GetMagazineId() : 0;
}

int ItemEntity::GetKind() const {
    return m_current ? m_current->GetKind() : 0;
}

int ItemEntity::GetCount() const {
    return m_current ? m_current->GetCount() : 0;
}

int ItemEntity::GetTotalCount() const {
    return ClampToInt(static_cast<long long>(GetCount()) * m_quantity);
}

void ItemEntity::SetCount(int count) {
    if (m_current)
        m_current->SetCount(count);
}

float ItemEntity::GetRange() const {
    return m_current ? m_current->GetRange() : 0.0f;
}

bool ItemEntity::IsFull() const {
    return m_current && m_current->IsFull();
}

bool ItemEntity::IsEmpty() const {
    return m_current && m_current->IsEmpty();
}

int ItemEntity::GetCapacity() const {
    return m_current ? m_current->GetCapacity() : 0;
}

bool ItemEntity::RefreshAbility() {
    return m_current && m_current->Refresh();
}

bool ItemEntity::ResetAbilityState() {
    if (m_current == nullptr)
        return false;
    m_current->ResetState();
    return true;
}

namespace {

const CreatureParts* CreatureOf(const Entity* owner) {
    const auto* soldier = owner && owner->GetType() == Entity::kTypeSoldier
                              ? static_cast<const SoldierEntity*>(owner)
                              : nullptr;
    return soldier ? soldier->GetCreature() : nullptr;
}

} // namespace

bool ItemEntity::CanReach(const Entity& target) const {
    const CreatureParts* holder = CreatureOf(m_owner);
    return m_current && holder && CirclesOverlapLoose(*m_owner, GetRange() + 1.0f, target) &&
           holder->CanSee(target.GetPosition());
}

bool ItemEntity::CanReachPoint(const Vector& point) const {
    const CreatureParts* holder = CreatureOf(m_owner);
    return m_current && holder && CircleNearPointLoose(*m_owner, GetRange() + 1.0f, point) &&
           holder->CanSee(point);
}

bool ItemEntity::Use(Entity* user, const Vector& userPosition, Entity* target,
                     const Vector& targetPosition) {
    return m_current && m_current->Use(user, userPosition, target, targetPosition);
}

bool ItemEntity::IsValidTarget(Entity* entity, const Vector& point) const {
    return m_current && m_current->IsValidTarget(entity, point);
}
