#include "Source/creatures/creature_data.h"

#include "Library/core/maths.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/creature_owner.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell_mgr.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* kDialogueStart = "start";

// The position of a bit value among count consecutive bits from first; -1 for any other.
int BitIndex(uint32_t value, uint32_t first, int count) {
    for (int index = 0; index < count; ++index) {
        if (value == first << index)
            return index;
    }
    return -1;
}

int DamageTypeIndex(uint32_t type) {
    return BitIndex(type, kDamageNormal, CreatureData::kDamageTypeCount);
}

int OtherResistanceIndex(uint32_t flag) {
    return BitIndex(flag, kResistPoison, CreatureData::kOtherResistanceCount);
}

int Percent(const ShortPair* pair) {
    return pair ? std::clamp(pair->Effective(), 0, 100) : 0;
}

const Stringc& Entry(const Stringc* texts, int count, int index) {
    static const Stringc empty;
    return index >= 0 && index < count ? texts[index] : empty;
}

} // namespace

CreatureData::CreatureData(CreatureOwner* owner, Entity* self)
    : m_owner(owner), m_self(self), m_spellMgr(std::make_unique<SpellMgr>(self)),
      m_inventory(std::make_unique<CreatureInventory>(self)),
      m_effectMgr(std::make_unique<EffectMgr>(self)) {
    Reset();
}

CreatureData::~CreatureData() = default;

void CreatureData::Reset() {
    m_flags = 0;
    m_bodyType = 0;
    m_bodyTypeOverride = 0;
    for (ColourMod& mod : m_colourMods)
        mod.Clear();
    m_restingColours = 0;
    m_colour = Colour();
    for (Stringc& text : m_texts)
        text = "";
    std::fill(std::begin(m_attributes), std::end(m_attributes), 0);
    m_level = 0;
    m_hitPoints = 0.0f;
    m_maxHitPoints = 0.0f;
    m_carryWeight.Clear();
    m_rangedReach.Clear();
    m_throwReach.Clear();
    m_armourClass.Clear();
    m_meleeDamage.Clear();
    m_healingRate.Clear();
    for (ShortPair& pair : m_groupB)
        pair.Clear();
    m_experience = 0;
    m_nextLevelExperience = 0;
    m_killExperience = 0;
    m_spareValue = 0;
    std::fill(std::begin(m_skillTags), std::end(m_skillTags), 0);
    for (Stringc& script : m_scripts)
        script = "";
    m_dialogueStartLabel = kDialogueStart;
    m_dialogueValue = 0;
    m_willTrade = 1;
    m_deathVariableScope = "";
    m_spellMgr->Clear();
    m_inventory->Reset();
    m_effectMgr->Clear();
    m_timer.Clear();
}

bool CreatureData::Update(uint32_t frameMs) {
    m_timer.Update(frameMs * 0.001);
    if (!m_noEffects) {
        m_effectMgr->Update();
        m_noEffects = m_effectMgr->CountRunning() == 0;
    }
    for (int block = 0; block < kColourModCount; ++block) {
        const uint8_t bit = static_cast<uint8_t>(1u << block);
        if (m_restingColours & bit)
            continue;
        ColourMod& mod = m_colourMods[block];
        mod.Update(frameMs);
        if (!mod.IsAtRest())
            continue;
        m_restingColours |= bit;
        const bool fadedIn = (mod.GetFlags() & ColourMod::kFadeStateMask) == 1;
        m_fadedInColours =
            static_cast<uint8_t>(fadedIn ? m_fadedInColours | bit : m_fadedInColours & ~bit);
    }
    return true;
}

// At rest the fade state is 0 or 1: a start toward the state a record already has
// changes nothing, any other start ends its rest.
void CreatureData::FadeColours(bool in) {
    for (int block = 0; block < kColourModCount; ++block) {
        const uint8_t bit = static_cast<uint8_t>(1u << block);
        if ((m_restingColours & bit) && ((m_fadedInColours & bit) != 0) == in)
            continue;
        m_restingColours &= static_cast<uint8_t>(~bit);
        if (in)
            m_colourMods[block].StartFadeIn();
        else
            m_colourMods[block].StartFadeOut();
    }
}

void CreatureData::ReloadArtSet() {
    if (m_owner)
        m_owner->LoadArtSet();
}

void CreatureData::RefreshLook() {
    if (m_owner)
        m_owner->ResetColourLevels();
}

int CreatureData::GetHitPointsPercent() const {
    if (m_hitPoints == 0.0f || m_maxHitPoints == 0.0f)
        return 0;
    return RoundToInt(m_hitPoints / m_maxHitPoints * 100.0f);
}

int CreatureData::GetAttribute(int index) const {
    return index >= 0 && index < kAttributeCount ? m_attributes[index] : 0;
}

int CreatureData::GetDamageResistance(uint32_t type) const {
    return Percent(PairAt(kFirstResistancePair, kDamageTypeCount, DamageTypeIndex(type)));
}

int CreatureData::GetDamageThreshold(uint32_t type) const {
    return Percent(PairAt(kFirstThresholdPair, kDamageTypeCount, DamageTypeIndex(type)));
}

int CreatureData::GetOtherResistance(uint32_t flag) const {
    return Percent(
        PairAt(kFirstOtherResistancePair, kOtherResistanceCount, OtherResistanceIndex(flag)));
}

int CreatureData::GetSkill(int index) const {
    const ShortPair* skill = PairAt(kFirstSkillPair, kSkillCount, index);
    return skill ? skill->Effective() : 0;
}

bool CreatureData::IsSkillTagged(int index) const {
    return index >= 0 && index < kSkillCount && m_skillTags[index] != 0;
}

bool CreatureData::IsScript(int index, const char* name) const {
    return index >= 0 && index < kScriptCount && m_scripts[index] == name;
}

const Stringc& CreatureData::GetScript(int index) const {
    return Entry(m_scripts, kScriptCount, index);
}

const Stringc& CreatureData::GetText(int index) const {
    return Entry(m_texts, kTextCount, index);
}

void CreatureData::SetFlag(uint32_t mask, bool on) {
    m_flags = on ? m_flags | mask : m_flags & ~mask;
}

void CreatureData::SetBodyType(int which, uint16_t value) {
    if (which == kBase)
        m_bodyType = value;
    else if (which == kBonus)
        m_bodyTypeOverride = value;
}

void CreatureData::SetAttribute(int index, int16_t value) {
    if (index >= 0 && index < kAttributeCount)
        m_attributes[index] = value;
}

void CreatureData::AddAttribute(int index, int16_t delta) {
    if (index >= 0 && index < kAttributeCount)
        m_attributes[index] = static_cast<int16_t>(m_attributes[index] + delta);
}

void CreatureData::SetLevel(int16_t value) {
    m_level = value;
    m_nextLevelExperience = static_cast<uint32_t>(GameRules::XpRequired(m_level + 1));
}

void CreatureData::AddLevel(int16_t delta) {
    m_level = static_cast<int16_t>(m_level + delta);
}

void CreatureData::AddHitPoints(float delta) {
    m_hitPoints = std::clamp(m_hitPoints + delta, 0.0f, std::max(m_maxHitPoints, 0.0f));
}

void CreatureData::SetDamageResistance(uint32_t type, int which, int16_t value) {
    if (ShortPair* pair = PairAt(kFirstResistancePair, kDamageTypeCount, DamageTypeIndex(type)))
        pair->Set(which, value);
}

void CreatureData::AddDamageResistance(uint32_t type, int which, int16_t delta) {
    if (ShortPair* pair = PairAt(kFirstResistancePair, kDamageTypeCount, DamageTypeIndex(type)))
        pair->Add(which, delta);
}

void CreatureData::SetDamageThreshold(uint32_t type, int which, int16_t value) {
    if (ShortPair* pair = PairAt(kFirstThresholdPair, kDamageTypeCount, DamageTypeIndex(type)))
        pair->Set(which, value);
}

void CreatureData::AddDamageThreshold(uint32_t type, int which, int16_t delta) {
    if (ShortPair* pair = PairAt(kFirstThresholdPair, kDamageTypeCount, DamageTypeIndex(type)))
        pair->Add(which, delta);
}

void CreatureData::SetOtherResistance(uint32_t flag, int which, int16_t value) {
    if (ShortPair* pair =
            PairAt(kFirstOtherResistancePair, kOtherResistanceCount, OtherResistanceIndex(flag)))
        pair->Set(which, value);
}

void CreatureData::AddOtherResistance(uint32_t flag, int which, int16_t delta) {
    if (ShortPair* pair =
            PairAt(kFirstOtherResistancePair, kOtherResistanceCount, OtherResistanceIndex(flag)))
        pair->Add(which, delta);
}

bool CreatureData::SetSkill(int index, int which, int16_t value) {
    ShortPair* skill = PairAt(kFirstSkillPair, kSkillCount, index);
    if (skill)
        skill->Set(which, value);
    return skill != nullptr;
}

bool CreatureData::AddSkill(int index, int which, int16_t delta) {
    ShortPair* skill = PairAt(kFirstSkillPair, kSkillCount, index);
    if (skill)
        skill->Add(which, delta);
    return skill != nullptr;
}

bool CreatureData::SetSkillTagged(int index, bool tagged) {
    if (index < 0 || index >= kSkillCount)
        return false;
    m_skillTags[index] = tagged ? 1 : 0;
    return true;
}

bool CreatureData::SetScript(int index, const char* name) {
    if (index < 0 || index >= kScriptCount)
        return false;
    m_scripts[index] = name;
    return m_owner != nullptr && m_owner->LoadScripts(index);
}

void CreatureData::SetText(int index, const char* text) {
    if (index >= 0 && index < kTextCount)
        m_texts[index] = text;
}

ShortPair* CreatureData::PairAt(int first, int count, int index) {
    return index >= 0 && index < count ? &m_groupB[first + index] : nullptr;
}

const ShortPair* CreatureData::PairAt(int first, int count, int index) const {
    return index >= 0 && index < count ? &m_groupB[first + index] : nullptr;
}
