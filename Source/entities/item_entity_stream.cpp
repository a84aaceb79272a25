// The item's record, little-endian:
//   the queued entity's record
//   u8 identified
//   5 x Stringc: name, identified name, description, identified description, fifth text
//   u32 item flags, u16 value, u32 value, u8 display character, u8 display character
//   3 x Stringc: first icon, second icon, third name
//   8 x u16 rule values
//   u32 unit weight, u32 unit value, u16 quantity, u16 maximum quantity, u16 value
//   2 x Stringc sound names
//   the effect list: u32 count and the effect records
//   u32 magazine count, the magazine records
//   u32 ability count, the ability records
//   i16 index of the current ability among those written, -1 for none
#include "Source/entities/item_entity.h"

#include "Library/core/stream.h"
#include "Library/scripts/stored_text.h"
#include "Source/entities/item_magazine.h"
#include "Source/entities/item_rules.h"

#include <cstdio>

namespace {

// No stored magazine or ability takes fewer bytes than this.
constexpr long kMinRecordBytes = 4;

bool CountFits(Stream& stream, uint32_t count, const char* what, const Stringc& item) {
    if (count <= static_cast<uint32_t>(stream.Remaining() / kMinRecordBytes))
        return true;
    std::fprintf(stderr, "Item %s: %u %s cannot lie in the %ld bytes left\n", item.c_str(), count,
                 what, stream.Remaining());
    return false;
}

template <class T, size_t N> bool ReadTexts(Stream& stream, T (&texts)[N], size_t count) {
    for (size_t index = 0; index < count; ++index)
        if (!ReadStoredText(stream, texts[index]))
            return false;
    return true;
}

template <class T, size_t N> bool ReadNames(Stream& stream, T (&names)[N]) {
    for (T& name : names)
        if (!ReadStoredName(stream, name))
            return false;
    return true;
}

template <class T, size_t N> bool WriteTexts(Stream& stream, const T (&texts)[N], size_t count) {
    for (size_t index = 0; index < count; ++index)
        if (!texts[index].Write(stream))
            return false;
    return true;
}

} // namespace

bool ItemEntity::Load(Stream& stream) {
    return LoadNested(stream, 0);
}

bool ItemEntity::LoadNested(Stream& stream, int depth) {
    if (depth > kMaxCartridgeDepth) {
        std::fprintf(stderr, "An item record nests cartridges deeper than %d\n",
                     kMaxCartridgeDepth);
        return false;
    }
    m_current = nullptr;
    if (!QueuedEntity::Load(stream) || !stream.ReadValue(m_identified) ||
        !ReadTexts(stream, m_texts, 4))
        return false;
    RefreshName(0);
    if (!ReadStoredText(stream, m_texts[kFifthText]) || !stream.ReadValue(m_itemFlags) ||
        !stream.ReadValue(m_value16) || !stream.ReadValue(m_value32) ||
        !stream.ReadValue(m_displayChars[0]) || !stream.ReadValue(m_displayChars[1]) ||
        !ReadNames(stream, m_iconNames))
        return false;
    for (uint16_t& value : m_ruleValues)
        if (!stream.ReadValue(value))
            return false;
    if (!stream.ReadValue(m_unitWeight) || !stream.ReadValue(m_unitValue) ||
        !stream.ReadValue(m_quantity) || !stream.ReadValue(m_maxQuantity) ||
        !stream.ReadValue(m_lastValue) || !ReadNames(stream, m_sounds))
        return false;
    if (EnsureEffects()) {
        if (!m_effects->Load(stream))
            return false;
    } else {
        uint32_t effects = 0;
        if (!stream.ReadValue(effects))
            return false;
        if (effects != 0) {
            std::fprintf(stderr, "Item %s lists effects, which no rules are here to hold\n",
                         GetTemplateName().c_str());
            return false;
        }
    }
    if (!LoadMagazines(stream, depth) || !LoadAbilities(stream))
        return false;
    int16_t current = -1;
    if (!stream.ReadValue(current))
        return false;
    m_current = current >= 0 ? m_abilities.Get(current) : nullptr;
    RelinkMagazines();
    return true;
}

bool ItemEntity::LoadMagazines(Stream& stream, int depth) {
    m_magazines.FreeAll();
    uint32_t count = 0;
    if (!stream.ReadValue(count) || !CountFits(stream, count, "magazines", GetTemplateName()))
        return false;
    for (uint32_t index = 0; index < count; ++index) {
        ItemMagazine* magazine = m_magazines.Take([] { return std::make_unique<ItemMagazine>(); });
        if (!magazine->Load(stream, depth + 1))
            return false;
    }
    return true;
}

bool ItemEntity::LoadAbilities(Stream& stream) {
    m_abilities.FreeAll();
    uint32_t count = 0;
    if (!stream.ReadValue(count) || !CountFits(stream, count, "abilities", GetTemplateName()))
        return false;
    const ItemRules* rules = GetItemRules();
    if (count != 0 && rules == nullptr) {
        std::fprintf(stderr, "Item %s has abilities, which no rules are here to hold\n",
                     GetTemplateName().c_str());
        return false;
    }
    for (uint32_t index = 0; index < count; ++index) {
        ItemAbilityLink* ability = m_abilities.Take([&] { return rules->MakeAbility(); });
        if (ability == nullptr)
            return false;
        ability->SetOwner(this);
        if (!ability->Load(stream))
            return false;
    }
    return true;
}

bool ItemEntity::Save(Stream& stream) const {
    if (!QueuedEntity::Save(stream) || !stream.WriteValue(m_identified) ||
        !WriteTexts(stream, m_texts, kTextCount) || !stream.WriteValue(m_itemFlags) ||
        !stream.WriteValue(m_value16) || !stream.WriteValue(m_value32) ||
        !stream.WriteValue(m_displayChars[0]) || !stream.WriteValue(m_displayChars[1]) ||
        !WriteTexts(stream, m_iconNames, 3))
        return false;
    for (const uint16_t value : m_ruleValues)
        if (!stream.WriteValue(value))
            return false;
    if (!stream.WriteValue(m_unitWeight) || !stream.WriteValue(m_unitValue) ||
        !stream.WriteValue(m_quantity) || !stream.WriteValue(m_maxQuantity) ||
        !stream.WriteValue(m_lastValue) || !WriteTexts(stream, m_sounds, 2))
        return false;
    const bool effects = m_effects ? m_effects->Save(stream) : stream.WriteValue(uint32_t{0});
    if (!effects || !stream.WriteValue(static_cast<uint32_t>(m_magazines.CountUsed())))
        return false;
    bool written = true;
    m_magazines.ForEachUsed(
        [&](const ItemMagazine& magazine) { written = written && magazine.Save(stream); });
    if (!written || !stream.WriteValue(static_cast<uint32_t>(m_abilities.CountUsed())))
        return false;
    m_abilities.ForEachUsed(
        [&](const ItemAbilityLink& ability) { written = written && ability.Save(stream); });
    return written && stream.WriteValue(static_cast<int16_t>(
                          m_current ? m_abilities.UsedIndexOf(m_current) : -1));
}
