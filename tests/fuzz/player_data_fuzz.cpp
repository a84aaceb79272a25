// The player data of a saved game from any bytes: checked whole in keepers of its own,
// never crashing; a record taken is read again the same way.

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/offscreen_game.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    const ScopedCreatureFactory creatures;
    OffscreenGame game;
    game.Globals().Declare("demo", "visits");
    game.GameTimers().Start("demo", "greeting", 30);
    game.Journal().AddEntry("Vault", "The gate is locked.");
    game.Clock().ResetForNewGame();
    PlayerData::Place place;
    place.description = "At the gate";
    place.mapName = "demo";
    place.workingMapName = "demo";
    const auto written = [&] {
        return WrittenBytes(
            [&](Stream& stream) { return PlayerData::Write(stream, place, game.Keepers()); });
    };
    const std::string empty = written();
    auto* member =
        static_cast<SoldierEntity*>(game.Entities().CreateEntity(0, 0, 0, Entity::kTypeSoldier));
    member->SetTemplateName("if_idyl_player_tutorial");
    Creature::Of(member)->GetData().SetMaxHitPoints(40);
    game.Party().AddMember(member);
    return {empty, written()};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ScopedCreatureFactory creatures;
    FuzzInput input(data, size);
    PlayerData::Check(input);
    return 0;
}
