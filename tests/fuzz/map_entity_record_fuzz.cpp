// The stored forms of the map's entities from any bytes, the first byte picking the form:
// the records of triggers, doors, chests, cycles and towns, the placements of triggers,
// chests and doors (their map objects' records), the saved region and the definition
// (whose placed entities load the scratch root's templates). Refused, or taken and, stored
// again, read back to the same bytes; after a frame as well, unless a soldier began dying
// in it, whose form then settles once.

#include "Library/files/date_time.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/trigger_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"
#include "tools/templatewriter/template_writer.h"

#include <cstdlib>

namespace {

constexpr int kTemplateTypes[] = {0, 1, 3, 5, 6, 11};
constexpr int kRecordTypes[] = {Entity::kTypeTrigger, Entity::kTypeDoor, Entity::kTypeContainerMap,
                                Entity::kTypeCycle, Entity::kTypeTown};
constexpr int kForms = 5 + 3 + 2; // records, placements, the two region forms

const ScopedCreatureFactory g_creatures; // the soldiers' creatures

// The placement of the first entity of a zone type: trigger, chest or door by form 5-7.
template <class Use> bool Placement(int form, EntityMgr& manager, Use use) {
    if (form == 5)
        return use(*static_cast<TriggerEntity*>(manager.GetEntity(Entity::kTypeTrigger, 0)));
    if (form == 6)
        return use(
            *static_cast<ContainerMapEntity*>(manager.GetEntity(Entity::kTypeContainerMap, 0)));
    return use(*static_cast<DoorEntity*>(manager.GetEntity(Entity::kTypeDoor, 0)));
}

bool Read(int form, EntityMgr& manager, PlacedEntityList& placed, Stream& stream) {
    if (form < 5)
        return manager.CreateEntity(0, 0, 0, kRecordTypes[form])->Load(stream);
    if (form < 8) {
        for (int type : {Entity::kTypeTrigger, Entity::kTypeContainerMap, Entity::kTypeDoor})
            manager.CreateEntity(0, 0, 0, type);
        return Placement(form, manager, [&](auto& entity) { return entity.LoadPlacement(stream); });
    }
    return form == 8 ? manager.Load(stream) : manager.LoadRegionDefinition(stream, &placed);
}

std::string Written(int form, EntityMgr& manager, const PlacedEntityList& placed) {
    return WrittenBytes([&](Stream& stream) {
        if (form < 5)
            return manager.GetEntity(kRecordTypes[form], 0)->Save(stream);
        if (form < 8)
            return Placement(form, manager,
                             [&](auto& entity) { return entity.SavePlacement(stream); });
        return form == 8 ? manager.Save(stream) : manager.SaveRegionDefinition(stream, &placed);
    });
}

// The bytes read as the form and written again; a refusal aborts, as what was written must
// read back.
std::string Reread(int form, const std::string& bytes) {
    EntityMgr manager;
    PlacedEntityList placed;
    FuzzInput input(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (!Read(form, manager, placed, input))
        std::abort();
    return Written(form, manager, placed);
}

// A soldier whose death began in the frame but is not yet shown.
bool AnyDying(const EntityMgr& manager) {
    for (int slot = 0; slot < manager.GetSlotCount(Entity::kTypeSoldier); ++slot) {
        if (!manager.IsSlotUsed(Entity::kTypeSoldier, slot))
            continue;
        const auto& soldier =
            *static_cast<const SoldierEntity*>(manager.GetEntity(Entity::kTypeSoldier, slot));
        if (!soldier.IsAlive() && !soldier.IsInState(SoldierEntity::kStateDead))
            return true;
    }
    return false;
}

// The scratch root's templates "thing", written once.
void UseTemplates() {
    UseScratchDataPaths();
    static const bool written = [] {
        for (int type : kTemplateTypes)
            if (!TemplateWriter::Write(type, "thing", [](Entity&) {}))
                return false;
        return true;
    }();
    if (!written)
        std::abort();
}

// A saved region whose soldier dies in its first frame: its heal period passes at once and
// the healing holds its hit points to a maximum of 0, so it is saved dying.
std::string DyingSoldierRegion() {
    EntityMgr manager;
    Creature& creature = *Creature::Of(manager.CreateEntity(1, 1, 0, Entity::kTypeSoldier));
    creature.GetData().SetMaxHitPoints(1.0f);
    creature.GetData().AddHitPoints(1.0f);
    creature.GetData().SetMaxHitPoints(0.0f);
    const std::string timer = WrittenBytes([](Stream& stream) {
        return stream.WriteValue(int32_t{0}) && DateTime().Write(stream) &&
               DateTime().Write(stream);
    });
    FuzzInput timerInput(reinterpret_cast<const uint8_t*>(timer.data()), timer.size());
    if (!creature.LoadHealTimer(timerInput))
        std::abort();
    return std::string(1, 8) + WrittenBytes([&](Stream& stream) { return manager.Save(stream); });
}

} // namespace

// One region holding every class, in every form, and a region whose soldier dies at once.
std::vector<std::string> FuzzSeeds() {
    UseTemplates();
    EntityMgr manager;
    PlacedEntityList placed;
    for (int type : kTemplateTypes) {
        Entity* entity = manager.CreateEntity(static_cast<float>(type), 2.0f, 0.0f, type);
        entity->SetTemplateName("thing");
        if (type == Entity::kTypeItem)
            entity->AddFlags(Entity::kFlagHidden); // no icon to show on the map
        placed.Add(entity);
    }
    for (int type : {Entity::kTypeTrigger, Entity::kTypeContainerMap, Entity::kTypeDoor}) {
        MapObject* mapObject = nullptr;
        Entity::GetMapObject(manager.CreateEntity(1, 1, 0, type), &mapObject);
        mapObject->SetName("thing");
        mapObject->EditSettings().locked = 1;
    }
    static_cast<DoorEntity*>(manager.GetEntity(Entity::kTypeDoor, 0))->GetMapObject().AddCell(1, 1);
    std::vector<std::string> seeds;
    for (int form = 0; form < kForms; ++form)
        seeds.push_back(std::string(1, static_cast<char>(form)) + Written(form, manager, placed));
    seeds.push_back(DyingSoldierRegion());
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    UseTemplates();
    const int form = data[0] % kForms;
    EntityMgr manager;
    PlacedEntityList placed;
    FuzzInput input(data + 1, size - 1);
    if (!Read(form, manager, placed, input))
        return 0;
    const std::string taken = Written(form, manager, placed);
    if (Reread(form, taken) != taken)
        std::abort();
    manager.Update(33);
    const std::string saved = Written(form, manager, placed);
    const std::string reread = Reread(form, saved);
    // A creature saved dying loads dead: only then may the form settle, once.
    if (reread != saved && (!AnyDying(manager) || Reread(form, reread) != reread))
        std::abort();
    return 0;
}
