// A region's entities from any bytes, as the saved region (first byte even) or the region
// definition (odd), whose placed entities load their templates from the scratch data root.
// Refused, or taken and, stored again, read back to the same bytes.

#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/entities/trigger_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"
#include "tools/templatewriter/template_writer.h"

#include <cstdlib>

namespace {

constexpr int kTemplateTypes[] = {Entity::kTypeBase,  Entity::kTypeItem,   Entity::kTypeSoldier,
                                  Entity::kTypeCycle, Entity::kTypeBinary, Entity::kTypeTown};

// The scratch root's templates named "thing", written once.
void UseTemplates() {
    UseScratchDataPaths();
    static const bool written = [] {
        bool all = true;
        for (int type : kTemplateTypes)
            all = TemplateWriter::Write(type, "thing", [](Entity&) {}) && all;
        return all;
    }();
    if (!written)
        std::abort();
}

std::string Stored(bool definition, EntityMgr& manager, const PlacedEntityList& placed) {
    return WrittenBytes([&](Stream& stream) {
        return definition ? manager.SaveRegionDefinition(stream, &placed) : manager.Save(stream);
    });
}

bool Read(bool definition, EntityMgr& manager, PlacedEntityList& placed, Stream& stream) {
    return definition ? manager.LoadRegionDefinition(stream, &placed) : manager.Load(stream);
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    UseTemplates();
    EntityMgr manager;
    manager.SetHeader({"", "", "A region.", ""});
    PlacedEntityList placed;
    for (int type : kTemplateTypes) {
        Entity* entity = manager.CreateEntity(0.0f, 0.0f, 0.0f, type);
        entity->LoadByName("thing");
        entity->SetPosition(Vector(static_cast<float>(type), 2.0f, 0.0f));
        placed.Add(entity);
    }
    static_cast<TriggerEntity*>(manager.CreateEntity(1, 1, 0, Entity::kTypeTrigger))
        ->GetMapObject()
        .SetName("exit");
    static_cast<ContainerMapEntity*>(manager.CreateEntity(2, 1, 0, Entity::kTypeContainerMap))
        ->GetMapObject()
        .EditSettings()
        .locked = 1;
    static_cast<DoorEntity*>(manager.CreateEntity(3, 1, 0, Entity::kTypeDoor))
        ->GetMapObject()
        .AddCell(3, 1);
    return {std::string(1, '\0') + Stored(false, manager, placed),
            std::string(1, '\1') + Stored(true, manager, placed)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    UseTemplates();
    const bool definition = (data[0] & 1) != 0;
    EntityMgr manager;
    PlacedEntityList placed;
    FuzzInput input(data + 1, size - 1);
    if (!Read(definition, manager, placed, input))
        return 0;
    manager.Update(33);
    const std::string saved = Stored(definition, manager, placed);
    EntityMgr reread;
    PlacedEntityList placedAgain;
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    if (!Read(definition, reread, placedAgain, again) ||
        Stored(definition, reread, placedAgain) != saved)
        std::abort();
    return 0;
}
