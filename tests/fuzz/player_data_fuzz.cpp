// The player data of a saved game from any bytes: checked whole in keepers of its own,
// never crashing; a record taken, written again, reads back to the same bytes.

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
    const std::string atTheGate = written();
    place.mapName = place.workingMapName = "";
    place.pageName = "demo_page";
    place.tutorial = place.tutorialPanelPutAway = true;
    place.pagePicture = 3;
    return {empty, atTheGate, written()};
}

namespace {

// The record read, as a load reads it, into keepers of a game of its own and written again:
// "" when it is refused.
std::string Rewritten(const uint8_t* data, size_t size) {
    OffscreenGame game;
    PlayerData::Place place;
    FuzzInput input(data, size);
    if (!PlayerData::ReadNames(input, place) || !PlayerData::ReadRestOfPlace(input, place) ||
        !game.Party().Load(input) || !PlayerData::ReadGame(input, game.Keepers()))
        return "";
    PlayerData::ReadPagePicture(input, place);
    return WrittenBytes(
        [&](Stream& stream) { return PlayerData::Write(stream, place, game.Keepers()); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ScopedCreatureFactory creatures;
    FuzzInput input(data, size);
    PlayerData::Place place;
    const bool loadable = PlayerData::Check(input, place);
    const std::string written = Rewritten(data, size);
    if (loadable != !written.empty())
        std::abort();
    if (loadable &&
        Rewritten(reinterpret_cast<const uint8_t*>(written.data()), written.size()) != written)
        std::abort();
    return 0;
}
