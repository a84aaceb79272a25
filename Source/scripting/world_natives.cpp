// The actions on the world around the party: the game clock, the light, and the towns of
// the world map with the entry points that lead into them.
#include "Source/scripting/game_natives.h"

#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/town_entity.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/game_clock.h"
#include "Source/world/weather_mgr.h"

namespace {

int32_t SetDateTime(const NativeCall& call) {
    if (g_gameClock == nullptr)
        return kActionFailed;
    g_gameClock->SetDateTime(call.Int(0), call.Int(1), call.Int(2), call.Int(3), call.Int(4),
                             call.Int(5), call.Int(6));
    return kActionDone;
}

int32_t SetLightByHour(const NativeCall& call) {
    if (g_weatherMgr != nullptr)
        g_weatherMgr->GetLightTint(call.Int(0));
    return kActionDone;
}

// A town of the template at a whole point of the map, with an entry point of its name
// there, facing up.
int32_t CreateTown(const NativeCall& call) {
    EntityMgr* manager = call.GetManager();
    TileMap* map = manager ? manager->GetTileMap() : nullptr;
    const Vector asked = call.Point(0);
    const Vector point(static_cast<float>(NativeCall::ToInt(asked.x)),
                       static_cast<float>(NativeCall::ToInt(asked.y)), 0.0f);
    if (map == nullptr || point.x < 0 || point.x >= map->GetWidth() || point.y < 0 ||
        point.y >= map->GetHeight())
        return kActionFailed;
    Stringc name(call.String(0));
    name.StripExtension();
    TownEntity* town = nullptr;
    if (!Entity::AsTown(manager->CreateEntity(point.x, point.y, point.z, Entity::kTypeTown), &town))
        return kActionFailed;
    if (!town->LoadByName(name)) {
        town->Release();
        return kActionFailed;
    }
    town->SetPosition(point);
    town->SetDiscovery(call.Number(0) != 0, call.Number(1) != 0, call.Int(2));
    map->AddObject(town);
    if (g_entryPtMgr != nullptr) {
        EntryPt& entry = g_entryPtMgr->Add(point);
        entry.name = name;
        entry.facing = 0;
    }
    return kActionDone;
}

// A town once found stays found.
int32_t SetTownFound(const NativeCall& call) {
    EntityMgr* manager = call.GetManager();
    TownEntity* town = nullptr;
    if (manager == nullptr ||
        !Entity::AsTown(manager->FindByName(Entity::kTypeTown, call.String(0)), &town))
        return kActionFailed;
    if (!town->IsFound())
        town->SetFound(call.Number(0) != 0);
    return kActionDone;
}

} // namespace

void RegisterWorldNatives(NativeTable& table) {
    table.AddAction(89, "NNNNNNN", &SetDateTime);
    table.AddAction(90, "N", &SetLightByHour);
    table.AddAction(92, "SPNNN", &CreateTown);
    table.AddAction(94, "SN", &SetTownFound);
}
