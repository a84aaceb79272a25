#include "Source/screens/sheet_texts.h"

#include "Library/core/maths.h"
#include "Library/graphics/screen.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/entity.h"

namespace {

constexpr int kRow = 14;
constexpr int kLabelFont = 5;
constexpr int kValueFont = 0;
constexpr int kPointsFont = 2;
constexpr int kSheetFont = 1;
constexpr int kFirstListedSkill = 1;
constexpr int kLastListedSkill = 20;

const char* const kAttributeLabels[kAttributeCount] = {
    "Strength:", "Perception:", "Endurance:", "Charisma:", "Intelligence:", "Agility:", "Luck:",
};
const char* const kSkillLabels[] = {"Guns:", "Laser Weapons:", "Melee Weapons:", "Thrown Weapons:"};

const CreatureData* DataOf(Entity* entity) {
    const Creature* creature = Creature::Of(entity);
    return creature ? &creature->GetData() : nullptr;
}

int Truncated(float value) {
    return ToIntWithin(value, INT32_MIN, INT32_MAX);
}

} // namespace

Stringc HitPointsText(Entity* creature) {
    Stringc text;
    if (const CreatureData* data = DataOf(creature))
        text.Format("%d/%d", RoundToInt(data->GetHitPoints()), RoundToInt(data->GetMaxHitPoints()));
    return text;
}

bool IsListedSkill(int skill) {
    return skill == 1 || skill == 3 || skill == 5 || skill == 6;
}

void FormatNameText(Entity* creature, Screen& screen, int x, int y) {
    if (!DataOf(creature))
        return;
    screen.DrawText(x, y, "Name:");
    screen.Printf(x + 45, y, "%s", creature->GetDisplayName().c_str());
}

void FormatWeightText(Entity* creature, Screen& screen, int x, int y, bool decimals) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    const float carried = data->GetInventory().GetTotalWeight();
    const int carryWeight = Truncated(data->GetCarryWeight());
    screen.DrawText(x, y, "Weight:");
    if (decimals)
        screen.Printf(x + 56, y, "%.1f/%d lbs", static_cast<double>(carried), carryWeight);
    else
        screen.Printf(x + 56, y, "%d/%d", Truncated(carried), carryWeight);
}

void FormatAttributesText(Entity* creature, Screen& screen, int x, int y) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    screen.SetFont(kLabelFont);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        screen.DrawText(x, y + attribute * kRow, kAttributeLabels[attribute]);
    screen.SetFont(kValueFont);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        screen.Printf(x + 100, y + attribute * kRow, "%d", data->GetAttribute(attribute));
}

void FormatResistancesText(Entity* creature, Screen& screen, int x, int y) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    screen.DrawText(x, y, "OTHER RESISTANCES:");
    screen.DrawText(x, y + kRow, "Poison:");
    screen.Printf(x + 95, y + kRow, "%d", data->GetOtherResistance(kResistPoison));
}

void FormatDamageResistText(Entity* creature, Screen& screen, int x, int y) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    screen.DrawText(x, y, "DT/DR:");
    const struct {
        const char* label;
        uint32_t type;
    } rows[] = {{"Normal:", kDamageNormal}, {"Laser:", kDamageLaser}};
    int rowY = y;
    for (const auto& row : rows) {
        rowY += kRow;
        screen.DrawText(x, rowY, row.label);
        screen.Printf(x + 80, rowY, "%d/%d%%", data->GetDamageThreshold(row.type),
                      data->GetDamageResistance(row.type));
    }
}

void FormatSkillsText(Entity* creature, Screen& screen, int x, int y, bool showPoints, int points) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    screen.DrawText(x, y, "SKILLS:");
    int rowY = y;
    for (const char* label : kSkillLabels) {
        rowY += kRow;
        screen.DrawText(x, rowY, label);
    }
    if (showPoints)
        screen.DrawText(x, y + 6 * kRow, "Avail Pts:");
    rowY = y;
    for (int skill = kFirstListedSkill; skill <= kLastListedSkill; ++skill) {
        if (!IsListedSkill(skill))
            continue;
        rowY += kRow;
        screen.Printf(x + 115, rowY, data->IsSkillTagged(skill) ? "%d%%*" : "%d%%",
                      data->GetSkill(skill));
    }
    if (showPoints) {
        screen.SetFont(kPointsFont);
        screen.Printf(x + 115, y + 6 * kRow, "%d", points);
    }
}

void BuildCombatSheet(Entity* creature, Screen& screen, int x, int y) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    FormatNameText(creature, screen, x, y);
    screen.DrawText(x, y + 25, "Hit Pts:");
    screen.DrawText(x, y + 39, "Armour Class:");
    screen.DrawText(x, y + 53, "Melee Damage:");
    screen.DrawText(x + 64, y + 25, HitPointsText(creature));
    screen.Printf(x + 100, y + 39, "%d", data->GetArmourClass());
    screen.Printf(x + 100, y + 53, "%d", data->GetMeleeDamage());
    FormatWeightText(creature, screen, x, y + 67, false);
    FormatDamageResistText(creature, screen, x + 130, y + 27);
}

void BuildCharacterSheet(Entity* creature, Screen& screen, int x, int y, bool showPoints,
                         int points) {
    const CreatureData* data = DataOf(creature);
    if (!data)
        return;
    screen.SetFont(kSheetFont);
    FormatNameText(creature, screen, x, y);
    screen.DrawText(x, y + 24, "Level:");
    screen.DrawText(x, y + 38, "Experience:");
    screen.DrawText(x, y + 52, "Next Lvl:");
    screen.Printf(x + 90, y + 24, "%d", data->GetLevel());
    screen.Printf(x + 90, y + 38, "%d", static_cast<int>(data->GetExperience()));
    screen.Printf(x + 90, y + 52, "%d", static_cast<int>(data->GetNextLevelExperience()));
    screen.DrawText(x, y + 83, "Hit Pts:");
    screen.DrawText(x, y + 97, "Armour Class:");
    screen.DrawText(x, y + 111, "Melee Damage:");
    screen.DrawText(x, y + 125, "Carry Weight:");
    screen.DrawText(x, y + 139, "Healing Rate:");
    screen.DrawText(x + 125, y + 83, HitPointsText(creature));
    screen.Printf(x + 125, y + 97, "%d", data->GetArmourClass());
    screen.Printf(x + 125, y + 111, "%d", data->GetMeleeDamage());
    screen.Printf(x + 125, y + 125, "%d lbs", Truncated(data->GetCarryWeight()));
    screen.Printf(x + 125, y + 139, "%d", data->GetHealingRate());
    FormatDamageResistText(creature, screen, x + 209, y + 23);
    FormatResistancesText(creature, screen, x + 209, y + 83);
    FormatSkillsText(creature, screen, x + 378, y + 25, showPoints, points);
}
