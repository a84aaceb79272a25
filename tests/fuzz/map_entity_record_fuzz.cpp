// The records of the entities that own map objects, and of cycles and towns, from any bytes:
// the first byte picks the class and whether it is the full record or the region
// definition's placement. Refused with the entity still of its class, or taken and, stored
// again, read back to the same bytes.

#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/town_entity.h"
#include "Source/entities/trigger_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

struct Form {
    int type;
    bool placement;
};

constexpr Form kForms[] = {
    {Entity::kTypeTrigger, false},      {Entity::kTypeDoor, false},
    {Entity::kTypeContainerMap, false}, {Entity::kTypeCycle, false},
    {Entity::kTypeTown, false},         {Entity::kTypeTrigger, true},
    {Entity::kTypeContainerMap, true},  {Entity::kTypeDoor, true},
};
constexpr int kFormCount = sizeof kForms / sizeof kForms[0];

bool Read(const Form& form, Entity& entity, Stream& stream) {
    if (!form.placement)
        return entity.Load(stream);
    switch (form.type) {
    case Entity::kTypeTrigger:
        return static_cast<TriggerEntity&>(entity).LoadPlacement(stream);
    case Entity::kTypeContainerMap:
        return static_cast<ContainerMapEntity&>(entity).LoadPlacement(stream);
    default:
        return static_cast<DoorEntity&>(entity).LoadPlacement(stream);
    }
}

std::string Written(const Form& form, Entity& entity) {
    return WrittenBytes([&](Stream& stream) {
        if (!form.placement)
            return entity.Save(stream);
        switch (form.type) {
        case Entity::kTypeTrigger:
            return static_cast<TriggerEntity&>(entity).SavePlacement(stream);
        case Entity::kTypeContainerMap:
            return static_cast<ContainerMapEntity&>(entity).SavePlacement(stream);
        default:
            return static_cast<DoorEntity&>(entity).SavePlacement(stream);
        }
    });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    UseScratchDataPaths();
    EntityMgr manager;
    std::vector<std::string> seeds;
    for (int index = 0; index < kFormCount; ++index) {
        Entity* entity = manager.CreateEntity(2.0f, 3.0f, 0.0f, kForms[index].type);
        entity->SetTemplateName("thing");
        MapObject* mapObject = nullptr;
        if (Entity::GetMapObject(entity, &mapObject)) {
            mapObject->SetName("thing");
            mapObject->EditSettings().targetMap = "cellar";
        }
        if (kForms[index].type == Entity::kTypeTown)
            static_cast<TownEntity*>(entity)->SetTown("town", "A town.", "");
        seeds.push_back(std::string(1, static_cast<char>(index)) + Written(kForms[index], *entity));
    }
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    UseScratchDataPaths();
    const Form& form = kForms[data[0] % kFormCount];
    EntityMgr manager;
    Entity* entity = manager.CreateEntity(0.0f, 0.0f, 0.0f, form.type);
    FuzzInput input(data + 1, size - 1);
    const bool loaded = Read(form, *entity, input);
    if (entity->GetType() != form.type || entity->GetKind() != form.type)
        std::abort();
    if (!loaded)
        return 0;
    entity->Update(33);
    const std::string saved = Written(form, *entity);
    Entity* reread = manager.CreateEntity(0.0f, 0.0f, 0.0f, form.type);
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    if (!Read(form, *reread, again) || Written(form, *reread) != saved)
        std::abort();
    return 0;
}
