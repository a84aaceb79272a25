// The player data of a saved game from any bytes: checked whole in keepers of its own,
// never crashing; a record taken is read again the same way.

#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/game_clock.h"
#include "Source/world/log_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/player_data.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    const ScopedCreatureFactory creatures;
    EntityMgr manager;
    EntityMgr* entities = &manager;
    EntryPtMgr* entries = nullptr;
    PlayerMessages* messages = nullptr;
    JourneyRequests* journeys = nullptr;
    PartyActions* actions = nullptr;
    PartyMgr party({entities, entries, messages, journeys, actions, ""});
    GlobalMgr globals;
    globals.Declare("demo", "visits");
    GlobalTimerTable gameTimers;
    gameTimers.Start("demo", "greeting", 30);
    GlobalTimerTable realTimers;
    LogMgr journal;
    journal.AddEntry("Vault", "The gate is locked.");
    GameClock clock(gameTimers, realTimers);
    clock.ResetForNewGame();
    PlayerData::Place place;
    place.description = "At the gate";
    place.mapName = "demo";
    place.workingMapName = "demo";
    const PlayerData::Keepers keepers{party, globals, gameTimers, realTimers, journal, clock};
    const std::string empty =
        WrittenBytes([&](Stream& stream) { return PlayerData::Write(stream, place, keepers); });
    auto* member =
        static_cast<SoldierEntity*>(manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
    member->SetTemplateName("if_idyl_player_tutorial");
    Creature::Of(member)->GetData().SetMaxHitPoints(40);
    party.AddMember(member);
    return {empty,
            WrittenBytes([&](Stream& stream) { return PlayerData::Write(stream, place, keepers); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ScopedCreatureFactory creatures;
    FuzzInput input(data, size);
    PlayerData::Check(input);
    return 0;
}
