// Stacks of items and the ammunition of weapons.
#include "Source/entities/item_entity.h"

#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_magazine.h"

#include <algorithm>
#include <limits>

bool ItemEntity::SameMagazines(const ItemEntity& other) const {
    int index = 0;
    bool same = true;
    m_magazines.ForEachUsed([&](const ItemMagazine& magazine) {
        const ItemMagazine* theirs = other.m_magazines.GetUsed(index++);
        same = same && theirs && theirs->GetAmmoType() == magazine.GetAmmoType() &&
               theirs->GetAmmoName() == magazine.GetAmmoName();
    });
    return same;
}

bool ItemEntity::CanStackWith(const Entity& other) const {
    if (&other == this || other.GetType() != kTypeItem || !SameName(this, &other))
        return false;
    const auto& item = static_cast<const ItemEntity&>(other);
    return item.GetCount() == GetCount() && SameMagazines(item);
}

// A stack holds at most 65535: what does not fit stays with the other.
bool ItemEntity::MergeFrom(ItemEntity& other) {
    if (!CanStackWith(other))
        return false;
    const int room = std::numeric_limits<uint16_t>::max() - m_quantity;
    const int moved = std::min<int>(room, other.m_quantity);
    m_quantity = static_cast<uint16_t>(m_quantity + moved);
    other.m_quantity = static_cast<uint16_t>(other.m_quantity - moved);
    return true;
}

bool ItemEntity::SplitCount(int n, ItemEntity*& out) {
    if (m_quantity < 2)
        return false;
    n = std::clamp(n, 0, static_cast<int>(m_quantity));
    EntityMgr* manager = GetManager();
    if (n == 0 || manager == nullptr)
        return false;
    const Vector& at = GetPosition();
    auto* split = static_cast<ItemEntity*>(manager->CreateEntity(at.x, at.y, at.z, kTypeItem));
    if (split == nullptr)
        return false;
    if (!split->LoadByName(GetTemplateName())) {
        manager->ReleaseEntity(split);
        return false;
    }
    split->m_quantity = static_cast<uint16_t>(n);
    if (split->m_current && m_current)
        split->m_current->SetCount(m_current->GetCount()); // a used stack splits used
    if (SameName(this, split)) {
        int index = 0;
        m_magazines.ForEachUsed([&](const ItemMagazine& magazine) {
            if (ItemMagazine* theirs = split->m_magazines.GetUsed(index++))
                theirs->CopyFrom(magazine);
        });
        split->RelinkMagazines();
    }
    split->SetOwner(m_owner);
    m_quantity = static_cast<uint16_t>(m_quantity - n);
    out = split;
    return true;
}

bool ItemEntity::CanMergeInto(const ItemEntity* emptied) {
    if (emptied == nullptr || emptied->m_quantity > 0)
        return false;
    bool forgot = false;
    m_abilities.ForEachUsed(
        [&](ItemAbilityLink& ability) { forgot = ability.ForgetAmmunition(emptied) || forgot; });
    return forgot;
}

bool ItemEntity::AcceptsAmmunition(const ItemEntity& ammunition) const {
    if (ammunition.GetItemClass() != kClassAmmunition)
        return false;
    bool accepts = false;
    m_abilities.ForEachUsed([&](const ItemAbilityLink& ability) {
        accepts = accepts || ability.AcceptsAmmo(ammunition);
    });
    m_magazines.ForEachUsed([&](const ItemMagazine& magazine) {
        accepts = accepts || magazine.AcceptsAmmo(ammunition);
    });
    return accepts;
}

bool ItemEntity::LoadAmmo(ItemEntity& ammunition) {
    if (GetItemClass() != kClassWeapon || ammunition.GetItemClass() != kClassAmmunition)
        return false;
    for (int index = 0; index < m_magazines.GetCount(); ++index) {
        ItemMagazine* magazine = m_magazines.Get(index);
        if (magazine && magazine->AcceptsAmmo(ammunition) && magazine->LoadFrom(ammunition))
            return true;
    }
    return false;
}

bool ItemEntity::HasLoadableMagazine() const {
    bool loaded = false;
    m_magazines.ForEachUsed(
        [&](const ItemMagazine& magazine) { loaded = loaded || magazine.IsLoaded(); });
    return GetItemClass() == kClassWeapon && loaded;
}

bool ItemEntity::Unload(Stringc& name, int& count) {
    if (GetItemClass() != kClassWeapon)
        return false;
    for (int index = 0; index < m_magazines.GetCount(); ++index) {
        ItemMagazine* magazine = m_magazines.Get(index);
        if (magazine && magazine->IsLoaded())
            return magazine->Unload(name, count);
    }
    return false;
}

bool ItemEntity::TestAgainstTemplate(const Stringc& templateName, int multiplier) {
    if (templateName.Length() == 0)
        return false;
    ItemEntity probe;
    probe.Init();
    if (!probe.LoadByName(templateName) || probe.GetItemClass() != kClassAmmunition)
        return false;
    for (int index = 0; index < m_magazines.GetCount(); ++index) {
        ItemMagazine* magazine = m_magazines.Get(index);
        if (magazine && magazine->Fill(probe, multiplier))
            break;
    }
    return true;
}
