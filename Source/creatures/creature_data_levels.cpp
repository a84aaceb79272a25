// Derived values from the attributes, levels and the spending of skill points.
#include "Source/creatures/creature_data.h"

#include "Source/creatures/game_rules.h"

#include <initializer_list>

namespace {

constexpr int kFirstRaisedSkill = 1;
constexpr int kLastDerivedSkill = 19;
constexpr int kLastRaisedSkill = 20;

} // namespace

void CreatureData::ComputeDerivedStats() {
    const int strength = GetAttribute(kStrength);
    const int perception = GetAttribute(kPerception);
    const int endurance = GetAttribute(kEndurance);
    const int charisma = GetAttribute(kCharisma);
    const int intelligence = GetAttribute(kIntelligence);
    const int agility = GetAttribute(kAgility);
    const int luck = GetAttribute(kLuck);

    m_maxHitPoints =
        static_cast<float>(strength + 2 * endurance + 15 + GetHitPointsPerLevel() * (m_level - 1));
    m_hitPoints = m_maxHitPoints;
    SetArmourClass(kBase, static_cast<int16_t>(agility));
    SetCarryWeight(kBase, static_cast<float>(15 * strength));
    SetMeleeDamage(kBase, static_cast<int16_t>(GameRules::MeleeDamageFor(strength)));
    SetHealingRate(kBase, static_cast<int16_t>(GameRules::HealingRateFor(endurance)));
    SetRangedReach(kBase, static_cast<float>(GameRules::ReachFor(perception)));
    SetThrowReach(kBase, static_cast<float>(GameRules::ReachFor(strength)));
    m_experience = static_cast<uint32_t>(GameRules::XpRequired(m_level));
    m_nextLevelExperience = static_cast<uint32_t>(GameRules::XpRequired(m_level + 1));
    SetSecondPerception(kBase, static_cast<int16_t>(2 * perception));
    SetSpeed(kBase, static_cast<int16_t>(GameRules::SpeedFor(agility)));
    SetCriticalChance(kBase, static_cast<int16_t>(luck));

    // Skills 1 to 19; skills 0 and 20 keep their bases.
    const int skillBases[kLastDerivedSkill] = {
        4 * agility + 5,
        2 * agility,
        2 * agility,
        2 * (agility + strength),
        2 * (agility + strength) + 20,
        4 * agility,
        2 * (intelligence + perception),
        intelligence + perception + 5,
        3 * agility + 5,
        agility + perception + 10,
        3 * agility,
        agility + perception + 10,
        4 * intelligence,
        3 * intelligence,
        perception + 2 * agility,
        5 * charisma,
        4 * charisma,
        5 * luck,
        2 * (intelligence + endurance),
    };
    for (int skill = kFirstRaisedSkill; skill <= kLastDerivedSkill; ++skill)
        SetSkill(skill, kBase, static_cast<int16_t>(skillBases[skill - kFirstRaisedSkill]));
    for (int skill = 0; skill < kSkillCount; ++skill) {
        if (IsSkillTagged(skill))
            AddSkill(skill, kBase, static_cast<int16_t>(GameRules::TaggedSkillBonus()));
    }

    SetOtherResistance(kResistPoison, kBase, static_cast<int16_t>(5 * endurance));
    SetOtherResistance(kResistOther256, kBase, static_cast<int16_t>(2 * endurance));
    for (uint32_t flag : {kResistOther512, kResistOther1024, kResistOther2048})
        SetOtherResistance(flag, kBase, 0);
}

int CreatureData::GetHitPointsPerLevel() const {
    const int endurance = GetAttribute(kEndurance);
    return (endurance >= 0 ? endurance / 2 : (endurance - 1) / 2) + 3;
}

bool CreatureData::CanLevelUp() const {
    return m_nextLevelExperience != 0 && m_experience >= m_nextLevelExperience;
}

bool CreatureData::LevelUp() {
    if (!CanLevelUp())
        return false;
    const int percent = GetHitPointsPercent();
    const int perLevel = GetHitPointsPerLevel();
    AddLevel(1);
    m_maxHitPoints += static_cast<float>(perLevel);
    const float share = static_cast<float>(percent) * 0.01f;
    m_hitPoints = share * m_maxHitPoints;
    m_nextLevelExperience = static_cast<uint32_t>(GameRules::XpRequired(m_level + 1));
    return true;
}

void CreatureData::AutoSpendSkillPoints() {
    int points = GetSkillPointsPerLevel();
    SpendSkillPoints(points, true);
    if (points > 0)
        SpendSkillPoints(points, false);
}

void CreatureData::SpendSkillPoints(int& points, bool tagged) {
    const int gain = GameRules::SkillGainPerPoint(1, tagged);
    for (bool raised = true; raised;) {
        raised = false;
        for (int skill = kFirstRaisedSkill; skill <= kLastRaisedSkill; ++skill) {
            if (IsSkillTagged(skill) != tagged)
                continue;
            ShortPair& pair = m_groupB[kFirstSkillPair + skill];
            const int cost = GameRules::SkillPointCost(pair[kBase] + 1);
            if (cost > points)
                continue;
            pair.Add(kBase, static_cast<int16_t>(gain));
            points -= cost;
            raised = true;
        }
    }
}
