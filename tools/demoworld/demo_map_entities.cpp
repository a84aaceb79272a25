#include "tools/demoworld/demo_map_entities.h"

#include "Source/entities/container_map_entity.h"
#include "Source/entities/cycle_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/entities/town_entity.h"
#include "Source/entities/trigger_entity.h"
#include "tools/demoworld/demo_creatures.h"
#include "tools/demoworld/demo_dialogues.h"
#include "tools/demoworld/demo_map.h"
#include "tools/demoworld/demo_map_scripts.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/map_entity_art.h"
#include "tools/demoworld/second_map.h"

#include <cstdio>

namespace {

constexpr const char* kGate = DemoMapScripts::kGate;
constexpr const char* kTorch = "torch";
constexpr const char* kTown = "millbrook";
constexpr const char* kSignpost = "signpost"; // one of DemoEntities' plain ones
constexpr const char* kChest = DemoMapScripts::kChest;
constexpr const char* kGateName = DemoMapScripts::kGateName;
constexpr const char* kGateDescription = DemoMapScripts::kGateDescription;

// The rectangle's corners as the map object's zone of its current state.
void Zone(MapObject& mapObject, float left, float top, float right, float bottom) {
    MemMgr<Vector> corners;
    corners.Alloc()->Set(left, top, 0.0f);
    corners.Alloc()->Set(right, top, 0.0f);
    corners.Alloc()->Set(right, bottom, 0.0f);
    corners.Alloc()->Set(left, bottom, 0.0f);
    mapObject.BuildZone(corners);
}

// The gap in the wall, columns 48-51 of rows 39 and 40, blocked while the gate is shut;
// open, its leaves fold against the wall and block nothing.
void FillGate(Entity& entity) {
    auto& gate = static_cast<DoorEntity&>(entity);
    gate.SetRadius(2.0f, 0);
    gate.SetDisplayName(kGateName);
    gate.SetDescription(kGateDescription);
    DoorMapObject& mapObject = gate.GetMapObject();
    mapObject.SetName(kGate);
    mapObject.EditSettings().scriptName = kGate;
    const DemoMap::Door& patch = DemoMap::kGate;
    mapObject.SetPatch(patch.closed, patch.open, static_cast<uint16_t>(patch.x),
                       static_cast<uint16_t>(patch.y));
    mapObject.SetState1(); // the cells clicked while open are the closed state's
    for (int row = 39; row <= 40; ++row)
        for (int column = 48; column <= 51; ++column)
            mapObject.AddCell(column, row);
    Zone(mapObject, 48.0f, 36.0f, 52.0f, 41.0f); // the picture, from the wall's top to its foot
    mapObject.SetState0();
    Zone(mapObject, 48.0f, 36.0f, 52.0f, 41.0f);
}

void FillTorch(Entity& entity) {
    auto& torch = static_cast<CycleEntity&>(entity);
    torch.SetAnimationName(MapEntityArt::kTorchSet);
    torch.SetRadius(0.3f, 0);
    torch.SetDisplayName("Torch");
}

void FillMillbrook(Entity& entity) {
    DemoMapEntities::FillTown(entity, "Millbrook", "Millbrook, the mill town down by the river.",
                              true, 20);
}

// What the definition keeps of a placed entity: its template's name and its placed object.
Entity* PlaceByName(EntityMgr& entities, int type, const char* name, float x, float y) {
    Entity* entity = entities.CreateEntity(x, y, 0.0f, type);
    entity->SetTemplateName(name);
    return entity;
}

// Locked and trapped: its lock is for picking and its trap for finding and disarming.
void PlaceChest(EntityMgr& entities) {
    const float x = DemoMap::kChestColumn + 0.5f, y = DemoMap::kChestRow + 0.5f;
    auto* chest = static_cast<ContainerMapEntity*>(
        entities.CreateEntity(x, y, 0.0f, Entity::kTypeContainerMap));
    ContainerMapObject& mapObject = chest->GetMapObject();
    mapObject.SetName(kChest);
    MapObject::Settings& s = mapObject.EditSettings();
    s.trapArmed = 1;
    s.locked = 1;
    s.disarmDifficulty = 30;
    s.searchDifficulty = 20;
    s.lockDifficulty = 40;
    s.scriptName = kChest;
    Zone(mapObject, x - 0.5f, y - 0.5f, x + 0.5f, y + 0.5f);
}

// Open, and stocked by its script.
void PlaceCrate(EntityMgr& entities, float x, float y) {
    auto* crate = static_cast<ContainerMapEntity*>(
        entities.CreateEntity(x, y, 0.0f, Entity::kTypeContainerMap));
    ContainerMapObject& mapObject = crate->GetMapObject();
    mapObject.SetName("crate");
    MapObject::Settings& s = mapObject.EditSettings();
    s.scriptName = DemoDialogues::kCrate;
    s.valueB = 0; // counts the crate's stocking steps (DemoDialogues::kCrateStocked)
    Zone(mapObject, x - 0.5f, y - 0.5f, x + 0.5f, y + 0.5f);
}

// An information zone with its talk text, or a way to the target map's entry point.
void PlaceTrigger(EntityMgr& entities, uint32_t kind, const char* name, float left, float top,
                  float right, float bottom, const Vector& at, const char* target = "",
                  const char* entry = "", uint32_t travelFlags = MapObject::kFlagSymbol) {
    auto* trigger =
        static_cast<TriggerEntity*>(entities.CreateEntity(at.x, at.y, at.z, Entity::kTypeTrigger));
    MapObject& mapObject = trigger->GetMapObject();
    mapObject.SetKind(kind);
    mapObject.SetName(name);
    Zone(mapObject, left, top, right, bottom);
    MapObject::Settings& s = mapObject.EditSettings();
    if (kind == kMapObjectInfo) {
        s.flags = 0;                       // as loading leaves it: no lock or trap rules on a sign
        s.text = DemoDialogues::kPondSign; // what it says is its dialogue's
        s.scriptName = DemoMapScripts::kPondSignTalk;
    } else {
        s.flags = travelFlags;
        s.targetMap = target;
        s.targetEntry = entry;
    }
}

} // namespace

bool DemoMapEntities::WriteScripts(const Stringc& directory) const {
    return DemoMapScripts(directory).Write();
}

bool DemoMapEntities::WriteTemplates() const {
    return WriteTemplate(Entity::kTypeDoor, kGate, FillGate) &&
           WriteTemplate(Entity::kTypeCycle, kTorch, FillTorch) &&
           WriteTemplate(Entity::kTypeTown, kTown, FillMillbrook);
}

bool DemoMapEntities::Place(EntityMgr& entities, PlacedEntityList& placed) const {
    placed.Add(PlaceByName(entities, Entity::kTypeCycle, kTorch, 47.5f, 41.5f));
    placed.Add(PlaceByName(entities, Entity::kTypeBase, kSignpost, 37.5f, 64.5f));
    placed.Add(PlaceByName(entities, Entity::kTypeTown, kTown, 84.5f, 84.5f));
    placed.Add(PlaceByName(entities, Entity::kTypeSoldier, DemoCreatures::kNeutral,
                           kNeutralScientist.x, kNeutralScientist.y));
    placed.Add(PlaceByName(entities, Entity::kTypeSoldier, DemoCreatures::kHostile,
                           kHostileScientist.x, kHostileScientist.y));
    placed.Add(
        PlaceByName(entities, Entity::kTypeSoldier, DemoCreatures::kBrute, kBrute.x, kBrute.y));
    // The gate takes its map object from its template; the definition keeps only that.
    Entity* gate = entities.CreateEntity(0.0f, 0.0f, 0.0f, Entity::kTypeDoor);
    if (!gate->LoadByName(kGate)) {
        std::fprintf(stderr, "demoworld: the gate's template cannot be read\n");
        return false;
    }
    gate->SetPosition(Vector(50.0f, 40.0f, 0.0f));
    PlaceChest(entities);
    // By the gate: the trader and a crate, whose script drops two items beside it.
    placed.Add(PlaceByName(entities, Entity::kTypeSoldier, DemoCreatures::kTrader, 53.5f, 44.5f));
    PlaceCrate(entities, DemoMap::kCrateColumn + 0.5f, DemoMap::kCrateRow + 0.5f);
    PlaceTrigger(entities, kMapObjectInfo, "pond sign", 36.0f, 63.0f, 39.0f, 66.0f,
                 Vector(37.5f, 64.5f, 0.0f));
    PlaceTrigger(entities, kMapObjectTravel, "road south", 44.0f, 96.0f, 56.0f, 99.5f,
                 Vector(50.0f, 98.0f, 0.0f), SecondMap::kName, kRoadEntry);
    PlaceTrigger(entities, kMapObjectTravel, "road east", 96.0f, 58.0f, 100.0f, 63.0f,
                 Vector(98.0f, 60.5f, 0.0f), kWorldName, kEastRoadEntry,
                 MapObject::kFlagSymbol | MapObject::kFlagToWorldMap);
    return true;
}

void DemoMapEntities::PlaceOnSecondMap(EntityMgr& entities) const {
    PlaceTrigger(entities, kMapObjectTravel, "road north", SecondMap::kRoadLeft, 0.0f,
                 SecondMap::kRoadRight + 1, 3.5f, Vector(30.0f, 1.5f, 0.0f), "demo", kRoadEntry);
}

void DemoMapEntities::PlaceTravel(EntityMgr& entities, const char* name, float left, float top,
                                  float right, float bottom, const Vector& at, const char* target,
                                  const char* entry, uint32_t flags) {
    PlaceTrigger(entities, kMapObjectTravel, name, left, top, right, bottom, at, target, entry,
                 flags);
}

void DemoMapEntities::FillTown(Entity& entity, const char* name, const char* text, bool found,
                               int32_t difficulty) {
    auto& town = static_cast<TownEntity&>(entity);
    town.SetAnimationName(MapEntityArt::kTownSet);
    town.SetRadius(1.5f, 0);
    town.SetDisplayName(name);
    town.SetTown(MapEntityArt::kTownSet, text, "");
    town.SetDiscovery(found, true, difficulty);
}
