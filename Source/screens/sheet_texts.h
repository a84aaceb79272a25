#pragma once
// The character-sheet texts the inventory, trade, character and new-game screens draw for
// a creature: each block at a point, in the screen's current font unless it names one.
// Values are truncated to integers unless said otherwise. Anything but a creature draws
// nothing.

#include "Library/core/stringc.h"

class Entity;
class Screen;

// The skills the sheet lists: 1 guns, 3 laser weapons, 5 melee weapons, 6 thrown weapons.
bool IsListedSkill(int skill);

// "hit points/maximum", each rounded to the nearest whole point; "" for anything but a
// creature.
Stringc HitPointsText(Entity* creature);

void FormatNameText(Entity* creature, Screen& screen, int x, int y);
// Carried and carry weight; with decimals the carried weight to a tenth and " lbs".
void FormatWeightText(Entity* creature, Screen& screen, int x, int y, bool decimals);
void FormatAttributesText(Entity* creature, Screen& screen, int x, int y);
void FormatResistancesText(Entity* creature, Screen& screen, int x, int y);
void FormatDamageResistText(Entity* creature, Screen& screen, int x, int y);
// With showPoints the skill points left to spend go below the skills.
void FormatSkillsText(Entity* creature, Screen& screen, int x, int y, bool showPoints, int points);
void BuildCombatSheet(Entity* creature, Screen& screen, int x, int y);
void BuildCharacterSheet(Entity* creature, Screen& screen, int x, int y, bool showPoints,
                         int points);
