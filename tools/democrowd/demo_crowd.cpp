#include "tools/democrowd/demo_crowd.h"

#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_behaviour.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/party_mgr.h"
#include "platform/win_rand.h"

namespace {

constexpr int kWanderCommand = 2;
constexpr int kAttackCommand = 3;

bool IsIdle(const SoldierEntity* soldier) {
    if (!soldier || !soldier->IsAlive())
        return false;
    const auto* behaviour = dynamic_cast<const CreatureBehaviour*>(soldier->GetBehaviour());
    return behaviour && !behaviour->GetCommand();
}

} // namespace

bool DemoCrowd::Place(int count, Mix mix) {
    const Vector pond(49.5f, 60, 0);
    g_tileMap->CentreViewOn(pond);
    SoldierEntity* member = CreateCreature(*g_entityMgr, "if_idyl_player_tutorial", pond, 0);
    if (!member)
        return false;
    CreatureData& data = Creature::Of(member)->GetData();
    data.SetMaxHitPoints(1e6f);
    data.AddHitPoints(1e6f);
    if (!g_partyMgr->AddMember(member))
        return false;
    m_pairs.clear();
    m_mix = mix;
    for (int i = 0; i < count; ++i) {
        const bool hostile = i % 2 == 0;
        const Vector at(static_cast<float>(platform::Rand() % 90 + 5) + 0.5f,
                        static_cast<float>(platform::Rand() % 90 + 5) + 0.5f, 0);
        const bool armed = hostile && mix == Mix::kHostileAndNeutral;
        SoldierEntity* creature = CreateCreature(
            *g_entityMgr, armed ? "scimale_hostile" : "scimale_neutral", at, i % 8);
        if (hostile)
            m_pairs.push_back({creature, nullptr});
        else
            m_pairs.back().prey = creature;
    }
    return true;
}

int DemoCrowd::GiveWork(bool fights) const {
    const bool attacks = fights && m_mix == Mix::kHostileAndNeutral;
    int given = 0;
    for (const Pair& pair : m_pairs) {
        if (IsIdle(pair.hunter)) {
            if (attacks && pair.prey && pair.prey->IsAlive())
                pair.hunter->IssueCommand(kAttackCommand, CommandArg(pair.prey));
            else
                pair.hunter->IssueCommand(kWanderCommand);
            ++given;
        }
        if (IsIdle(pair.prey)) {
            pair.prey->IssueCommand(kWanderCommand);
            ++given;
        }
    }
    return given;
}

int DemoCrowd::GetCount() const {
    int count = 0;
    for (const Pair& pair : m_pairs)
        count += (pair.hunter != nullptr) + (pair.prey != nullptr);
    return count;
}
