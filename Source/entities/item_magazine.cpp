#include "Source/entities/item_magazine.h"

#include "Library/core/stream.h"
#include "Library/scripts/stored_text.h"
#include "Source/entities/item_entity.h"

#include <algorithm>

ItemMagazine::ItemMagazine() : m_cartridge(std::make_unique<ItemEntity>()) {
    m_cartridge->Init();
}

ItemMagazine::~ItemMagazine() = default;

void ItemMagazine::Reset() {
    m_cartridge->Reset();
    m_id = 0;
    m_ammoType = 0;
    m_ammoName.Clear();
    m_ammoDisplayName.Clear();
    m_value = 0;
    m_count = 0;
    m_capacity = 0;
    for (Stringc& text : m_texts)
        text.Clear();
}

void ItemMagazine::Define(uint8_t id, uint16_t ammoType, int32_t capacity) {
    m_id = id;
    m_ammoType = ammoType;
    m_capacity = capacity;
}

bool ItemMagazine::Load(Stream& stream, int depth) {
    if (!m_cartridge->LoadNested(stream, depth) || !stream.ReadValue(m_id) ||
        !stream.ReadValue(m_ammoType) || !ReadStoredName(stream, m_ammoName) ||
        !ReadStoredText(stream, m_ammoDisplayName) || !stream.ReadValue(m_value) ||
        !stream.ReadValue(m_count) || !stream.ReadValue(m_capacity))
        return false;
    for (Stringc& text : m_texts)
        if (!ReadStoredText(stream, text))
            return false;
    return true;
}

bool ItemMagazine::Save(Stream& stream) const {
    if (!m_cartridge->Save(stream) || !stream.WriteValue(m_id) || !stream.WriteValue(m_ammoType) ||
        !m_ammoName.Write(stream) || !m_ammoDisplayName.Write(stream) ||
        !stream.WriteValue(m_value) || !stream.WriteValue(m_count) ||
        !stream.WriteValue(m_capacity))
        return false;
    for (const Stringc& text : m_texts)
        if (!text.Write(stream))
            return false;
    return true;
}

bool ItemMagazine::SetCartridge(const ItemEntity& ammunition) {
    const Stringc name = ammunition.GetTemplateName();
    m_cartridge->Init();
    if (!m_cartridge->LoadByName(name))
        return false;
    m_ammoType = static_cast<uint16_t>(ammunition.GetAmmoType());
    m_ammoName = name;
    m_ammoDisplayName = ammunition.GetDisplayName();
    return true;
}

bool ItemMagazine::AcceptsAmmo(const ItemEntity& item) const {
    return item.GetAmmoType() == m_ammoType && (IsEmpty() || item.GetTemplateName() == m_ammoName);
}

bool ItemMagazine::LoadFrom(ItemEntity& ammunition) {
    if (!HasRoom() || !AcceptsAmmo(ammunition) || IsFull())
        return false;
    const int uses = ammunition.GetCount();
    if (!SetCartridge(ammunition))
        return false;
    ammunition.SetCount(0);
    const long long total = static_cast<long long>(m_count) + uses;
    m_count = static_cast<int32_t>(std::min<long long>(total, m_capacity));
    ammunition.SetCount(static_cast<int>(total - m_count));
    return true;
}

bool ItemMagazine::Fill(const ItemEntity& templateItem, int multiplier) {
    if (!SetCartridge(templateItem))
        return false;
    const long long rounds = static_cast<long long>(templateItem.GetCount()) * multiplier;
    m_count = static_cast<int32_t>(std::clamp<long long>(rounds, 0, m_capacity));
    return true;
}

bool ItemMagazine::Unload(Stringc& name, int& count) {
    if (!IsLoaded())
        return false;
    name = m_ammoName;
    count = m_count;
    m_count = 0;
    m_ammoName.Clear();
    return true;
}

bool ItemMagazine::TakeRounds(int n, int& taken) {
    if (n < 1) {
        taken = 1;
        return true;
    }
    if (IsEmpty())
        return false;
    taken = std::min(n, static_cast<int>(m_count));
    m_count -= taken;
    return true;
}

ItemAbilityLink* ItemMagazine::GetRound() const {
    return m_cartridge->GetAbility();
}

void ItemMagazine::CopyFrom(const ItemMagazine& other) {
    if (&other == this)
        return;
    if (other.m_cartridge->GetTemplateName().Length() > 0)
        SetCartridge(*other.m_cartridge);
    m_id = other.m_id;
    m_ammoType = other.m_ammoType;
    m_ammoName = other.m_ammoName;
    m_ammoDisplayName = other.m_ammoDisplayName;
    m_value = other.m_value;
    m_count = other.m_count;
    m_capacity = other.m_capacity;
    for (int index = 0; index < 3; ++index)
        m_texts[index] = other.m_texts[index];
}

void ItemMagazine::PlaySound(int flag) const {
    ItemEntity::PlayNamedSound(m_texts[flag == 1 ? 1 : 2]);
}
