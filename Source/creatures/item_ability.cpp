#include "Source/creatures/item_ability.h"

#include "Library/core/maths.h"
#include "Library/core/stream.h"
#include "Library/files/stored_name.h"
#include "Library/scripts/stored_text.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"

void ItemAbility::Reset() {
    m_owningItem = nullptr;
    for (Stringc& text : m_texts)
        text.Clear();
    m_attackKind = 0;
    m_kind = kAbilityDirect;
    m_targetType = 0;
    m_rollFlag = 0;
    m_loadedAmmunition = nullptr;
    m_flagByte = 0;
    m_useMode = 0;
    m_roundsPerUse = 0;
    m_magazine = nullptr;
    m_ammunitionId = 0;
    m_ammunitionName.Clear();
    m_ammunitionText.Clear();
    m_uses = 1;
    m_maxUses = 1;
    m_byteValue = 0;
    m_range = 0.0f;
    m_radius = 0.0f;
    m_spread = 0.0;
    m_projectileKind = 0;
    m_throwMode = 0;
    m_useTime = 0.0f;
    m_extraValue = 0;
    m_damageBonus = 0;
    m_diceCount = 0;
    m_diceSides = 0;
    m_damageType = 1;
    m_spellId = 0;
    m_spellLevel = 0;
    for (Stringc& sound : m_sounds)
        sound.Clear();
    for (int index = 0; index < kAnimationTexts; ++index) {
        m_animationTexts[index].Clear();
        m_animationValues[index] = 0;
    }
    m_effects.Clear();
    m_data.Clear();
}

namespace {

class Reader {
public:
    explicit Reader(Stream& stream) : m_stream(stream) {}
    template <class T> bool operator()(T& value) { return m_stream.ReadValue(value); }
    bool operator()(Stringc& text) { return ReadStoredText(m_stream, text); }
    bool operator()(EffectList& list) { return list.Load(m_stream); }

private:
    Stream& m_stream;
};

class Writer {
public:
    explicit Writer(Stream& stream) : m_stream(stream) {}
    template <class T> bool operator()(const T& value) { return m_stream.WriteValue(value); }
    bool operator()(const Stringc& text) { return text.Write(m_stream); }
    bool operator()(const EffectList& list) { return list.Save(m_stream); }

private:
    Stream& m_stream;
};

} // namespace

// Every stored field in order, for the reader and the writer alike.
struct ItemAbilityFields {
    template <class Self, class Io> static bool Transfer(Self& a, Io& io) {
        for (auto& text : a.m_texts)
            if (!io(text))
                return false;
        if (!(io(a.m_attackKind) && io(a.m_kind) && io(a.m_targetType) && io(a.m_rollFlag) &&
              io(a.m_flagByte) && io(a.m_useMode) && io(a.m_roundsPerUse) && io(a.m_ammunitionId) &&
              io(a.m_ammunitionName) && io(a.m_ammunitionText) && io(a.m_uses) && io(a.m_maxUses) &&
              io(a.m_byteValue) && io(a.m_range) && io(a.m_radius) && io(a.m_spread) &&
              io(a.m_projectileKind) && io(a.m_throwMode) && io(a.m_useTime) &&
              io(a.m_extraValue) && io(a.m_damageBonus) && io(a.m_diceCount) && io(a.m_diceSides) &&
              io(a.m_damageType) && io(a.m_spellId) && io(a.m_spellLevel) && io(a.m_sounds[0]) &&
              io(a.m_sounds[1])))
            return false;
        for (int index = 0; index < ItemAbility::kAnimationTexts; ++index)
            if (!io(a.m_animationTexts[index]) || !io(a.m_animationValues[index]))
                return false;
        return io(a.m_effects);
    }
};

bool ItemAbility::Load(Stream& stream) {
    Reader reader(stream);
    if (!ItemAbilityFields::Transfer(*this, reader) || !StoredName::Check(m_sounds[0]) ||
        !StoredName::Check(m_sounds[1]))
        return false;
    FindAmmunition();
    return true;
}

bool ItemAbility::Save(Stream& stream) const {
    Writer writer(stream);
    return ItemAbilityFields::Transfer(*this, writer);
}

void ItemAbility::CopyFrom(const ItemAbilityLink& other) {
    const ItemAbility* source = Of(&other);
    if (source == nullptr || source == this)
        return;
    for (int index = 0; index < 4; ++index)
        m_texts[index] = source->m_texts[index];
    m_attackKind = source->m_attackKind;
    m_kind = source->m_kind;
    m_targetType = source->m_targetType;
    m_rollFlag = source->m_rollFlag;
    m_flagByte = source->m_flagByte;
    m_useMode = source->m_useMode;
    m_roundsPerUse = source->m_roundsPerUse;
    m_ammunitionId = source->m_ammunitionId;
    m_ammunitionName = source->m_ammunitionName;
    m_ammunitionText = source->m_ammunitionText;
    m_uses = source->m_uses;
    m_maxUses = source->m_maxUses;
    m_byteValue = source->m_byteValue;
    m_range = source->m_range;
    m_radius = source->m_radius;
    m_spread = source->m_spread;
    m_projectileKind = source->m_projectileKind;
    m_throwMode = source->m_throwMode;
    m_useTime = source->m_useTime;
    m_extraValue = source->m_extraValue;
    m_damageBonus = source->m_damageBonus;
    m_diceCount = source->m_diceCount;
    m_diceSides = source->m_diceSides;
    m_damageType = source->m_damageType;
    m_spellId = source->m_spellId;
    m_spellLevel = source->m_spellLevel;
    for (int index = 0; index < 2; ++index)
        m_sounds[index] = source->m_sounds[index];
    for (int index = 0; index < kAnimationTexts; ++index) {
        m_animationTexts[index] = source->m_animationTexts[index];
        m_animationValues[index] = source->m_animationValues[index];
    }
    m_effects = source->m_effects;
}

const Stringc& ItemAbility::GetName() const {
    const bool alternative =
        m_owningItem && m_owningItem->IsIdentified() && m_texts[kAlternativeName].Length() > 0;
    return m_texts[alternative ? kAlternativeName : kName];
}

const Stringc& ItemAbility::GetDescription() const {
    const bool alternative = m_owningItem && m_owningItem->IsIdentified() &&
                             m_texts[kAlternativeDescription].Length() > 0;
    return m_texts[alternative ? kAlternativeDescription : kDescription];
}

int ItemAbility::GetMagazineId() const {
    return m_magazine ? m_magazine->GetId() : static_cast<int>(m_ammunitionId);
}

float ItemAbility::GetMagazineFactor() const {
    return m_magazine ? m_magazine->GetFactor() : 0.0f;
}

const Stringc& ItemAbility::GetMagazineName() const {
    return m_magazine ? m_magazine->GetAmmoDisplayName() : m_ammunitionName;
}

const Stringc& ItemAbility::GetMagazineText() const {
    return m_magazine ? m_magazine->GetText() : m_ammunitionText;
}

int ItemAbility::GetUseClass() const {
    switch (m_kind) {
    case kAbilityDirect:
        return 1;
    case kAbilityThrown:
    case kAbilityAmmunition:
    case kAbilityMagazine:
    case kAbilityUnlimited:
        return 2;
    default:
        return -1;
    }
}

int ItemAbility::GetCount() const {
    return m_magazine ? m_magazine->GetCount() : GetUses();
}

int ItemAbility::GetCapacity() const {
    return m_magazine ? m_magazine->GetCapacity() : GetMaxUses();
}

int ItemAbility::GetCharges() const {
    switch (m_kind) {
    case kAbilityUnusable:
        return ClampToInt(static_cast<long long>(m_owningItem ? m_owningItem->GetStackSize() : 0) *
                          GetUses());
    case kAbilityDirect:
    case kAbilityThrown:
    case kAbilitySpell:
        return GetUses();
    case kAbilityAmmunition:
        return m_loadedAmmunition ? m_loadedAmmunition->GetCount() : 0;
    case kAbilityMagazine:
        return m_magazine ? m_magazine->GetCount() : -1;
    case kAbilityUnlimited:
        return 1;
    default:
        return -1;
    }
}

int ItemAbility::GetMaxCharges() const {
    switch (m_kind) {
    case kAbilitySpell:
        return GetMaxUses();
    case kAbilityMagazine:
        return m_magazine ? m_magazine->GetCapacity() : -1;
    default:
        return GetCharges();
    }
}

bool ItemAbility::IsFull() const {
    return m_magazine ? m_magazine->IsFull() : m_uses == m_maxUses;
}

bool ItemAbility::IsEmpty() const {
    if (m_magazine)
        return m_magazine->IsEmpty();
    if (m_kind == kAbilityAmmunition)
        return m_loadedAmmunition == nullptr || m_loadedAmmunition->GetCount() < 1;
    return m_uses == 0 && m_maxUses != 0;
}

bool ItemAbility::AcceptsAmmo(const ItemEntity& item) const {
    return m_kind == kAbilityAmmunition &&
           static_cast<uint16_t>(item.GetAmmoType()) == static_cast<uint16_t>(m_ammunitionId);
}

bool ItemAbility::ForgetAmmunition(const ItemEntity* item) {
    if (item == nullptr || m_loadedAmmunition != item)
        return false;
    m_loadedAmmunition = nullptr;
    return true;
}

CreatureInventory* ItemAbility::OwnerInventory() const {
    Creature* creature = Creature::Of(m_owningItem ? m_owningItem->GetOwner() : nullptr);
    return creature ? &creature->GetData().GetInventory() : nullptr;
}

bool ItemAbility::FindAmmunition() {
    if (m_kind != kAbilityAmmunition)
        return false;
    m_loadedAmmunition = nullptr;
    CreatureInventory* inventory = OwnerInventory();
    ItemEntity* found = nullptr;
    if (inventory == nullptr ||
        !inventory->FindAmmoInBackpack("", static_cast<uint16_t>(m_ammunitionId), found))
        return false;
    m_loadedAmmunition = found;
    m_ammunitionName = found->GetTemplateName();
    m_ammunitionText = found->GetDisplayName();
    return true;
}

bool ItemAbility::Refresh() {
    FindAmmunition();
    return true;
}

bool ItemAbility::ConsumeUse() {
    if (m_owningItem && m_owningItem->GetFlagBit0())
        return true;
    if (m_uses == 0)
        return false;
    --m_uses;
    return true;
}

uint32_t ItemAbility::GetDamageType() const {
    const ItemAbility* round = m_magazine ? Of(m_magazine->GetRound()) : nullptr;
    return m_damageType | (round && round != this ? round->GetDamageType() : 0);
}

int ItemAbility::RollDamage() const {
    return GameRules::RollDice(m_diceCount, m_diceSides, m_damageBonus);
}

bool ItemAbility::IsValidTarget(Entity* entity, const Vector& point) const {
    return GameRules::IsValidTarget(m_targetType, entity, point);
}

const AbilityUse& ItemAbility::PrepareUse(Entity& attacker, Entity& target) {
    m_data.Clear();
    m_data.SetSourceTarget(&attacker, attacker.GetPosition(), &target, target.GetPosition());
    m_data.SetFromItemAbility(*this);
    return m_data;
}

void ItemAbility::PlaySound(const Vector& position) const {
    if (g_gameMode != nullptr && m_sounds[0].Length() > 0)
        g_gameMode->PlaySound(m_sounds[0].c_str(), 1, 255, &position, nullptr);
}

void ItemAbility::SetText(int index, const Stringc& text) {
    if (index >= 0 && index < 4)
        m_texts[index] = text;
}

void ItemAbility::DefineUse(uint8_t kind, uint8_t attackKind, uint8_t targetType, bool rollsToHit,
                            uint8_t useMode) {
    m_kind = kind;
    m_attackKind = attackKind;
    m_targetType = targetType;
    m_rollFlag = rollsToHit ? 1 : 0;
    m_useMode = useMode;
}

void ItemAbility::SetUses(uint32_t uses, uint32_t maxUses) {
    m_uses = uses;
    m_maxUses = maxUses;
}

void ItemAbility::SetDamage(uint16_t diceCount, uint16_t diceSides, int16_t bonus,
                            uint32_t damageType) {
    m_diceCount = diceCount;
    m_diceSides = diceSides;
    m_damageBonus = bonus;
    m_damageType = damageType;
}

void ItemAbility::SetReach(float range, float radius, double spread) {
    m_range = range;
    m_radius = radius;
    m_spread = spread;
}

void ItemAbility::SetAmmunition(uint32_t ammunitionId, uint16_t roundsPerUse) {
    m_ammunitionId = ammunitionId;
    m_roundsPerUse = roundsPerUse;
}

void ItemAbility::SetProjectile(uint16_t projectileKind, uint16_t throwMode) {
    m_projectileKind = projectileKind;
    m_throwMode = throwMode;
}

void ItemAbility::SetSpell(uint16_t spellId, uint8_t level) {
    m_spellId = spellId;
    m_spellLevel = level;
}

void ItemAbility::SetAnimationText(int index, const Stringc& text, uint8_t value) {
    if (index < 0 || index >= kAnimationTexts)
        return;
    m_animationTexts[index] = text;
    m_animationValues[index] = value;
}
