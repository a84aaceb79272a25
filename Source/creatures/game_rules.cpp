#include "Source/creatures/game_rules.h"

#include "Library/core/maths.h"
#include "Library/files/two_dim_array.h"
#include "Library/world/random_source.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/two_dim_array_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/party_services.h"

GameRules* g_gameRules = nullptr;

namespace {

constexpr const char* kXpColumn = "XP_REQUIRED";
constexpr const char* kLaterLevelsRow = "22+";

RandomSource* g_randomSource = nullptr;

} // namespace

GameRules::GameRules()
    : m_encounterTimer(std::make_unique<RandomTimer>(kCheckPeriodMs)),
      m_discoveryTimer(std::make_unique<RandomTimer>(kCheckPeriodMs)) {}

GameRules::~GameRules() = default;

RandomSource& GameRules::Random() {
    return g_randomSource ? *g_randomSource : RandomSource::Runtime();
}

void GameRules::SetRandomSource(RandomSource* source) {
    g_randomSource = source;
}

int GameRules::RollDice(int count, int sides, int bonus) {
    long long total = bonus;
    for (int roll = 0; roll < count; ++roll)
        total += Random().Int(1, sides);
    return ClampToInt(total);
}

bool GameRules::Chance(int percent) {
    return percent >= 1 && Random().Int(0, 100) <= percent;
}

bool GameRules::CoinFlip() {
    return Random().Int(0, 100) > 50;
}

int GameRules::MeleeDamageFor(int strength) {
    if (strength < 1)
        return 0;
    return strength <= 6 ? 1 : strength - 5;
}

int GameRules::ReachFor(int attribute) {
    return attribute < 1 ? 0 : 2 * attribute - 1;
}

int GameRules::HealingRateFor(int endurance) {
    if (endurance < 1)
        return 0;
    if (endurance <= 5)
        return 1;
    if (endurance <= 8)
        return 2;
    return endurance <= 10 ? 3 : 4;
}

int GameRules::SpeedFor(int agility) {
    if (agility < 1)
        return 0;
    if (agility == 1)
        return 5;
    return agility >= 10 ? 10 : 6 + (agility - 2) / 2;
}

int GameRules::XpRequired(int level) {
    const TwoDimArray* table = g_levelProgressionTable;
    if (level < 1 || table == nullptr)
        return 0;
    int base = 0;
    if (!table->GetIntByRow(level < kMaxLevelRow ? level : kMaxLevelRow, kXpColumn, base))
        return 0;
    if (level <= kMaxLevelRow)
        return base;
    int step = 0;
    if (!table->GetInt(kLaterLevelsRow, kXpColumn, step))
        return 0;
    return ClampToInt(base + static_cast<long long>(level - kMaxLevelRow) * step);
}

int GameRules::SkillPointCost(int value) {
    if (value < 1)
        return 0;
    if (value <= 100)
        return 1;
    if (value > 200)
        return 6;
    return 2 + (value - 101) / 25;
}

bool GameRules::IsHealed(const CreatureData& creature) {
    return creature.GetHealingRate() < 1 || creature.GetHitPoints() <= 0.0f ||
           creature.GetHitPoints() >= creature.GetMaxHitPoints();
}

bool GameRules::AllMembersHealed(EntityMgr& manager) {
    const PartyServices* party = manager.GetParty();
    for (int slot = 0; party != nullptr && slot < manager.GetSlotCount(Entity::kTypeSoldier);
         ++slot) {
        Entity* soldier = manager.GetEntity(Entity::kTypeSoldier, slot);
        const Creature* creature = Creature::Of(soldier);
        if (manager.IsSlotUsed(Entity::kTypeSoldier, slot) && party->IsMember(soldier) &&
            creature != nullptr && !IsHealed(creature->GetData()))
            return false;
    }
    return true;
}
