// A soldier's record, with its creature, from any bytes: refused with the soldier still a
// soldier, or taken and, saved, read back to the same record; a frame runs either way.

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

SoldierEntity* NewSoldier(EntityMgr& manager) {
    return static_cast<SoldierEntity*>(manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    const ScopedCreatureFactory creatures;
    EntityMgr manager;
    SoldierEntity* guard = NewSoldier(manager);
    guard->SetTemplateName("guard");
    guard->SetRadius(0.5f, 4);
    guard->GetRef().Set(200, 1, 0, 0, 0, 0, 0);
    guard->SetState(SoldierEntity::kStateAttacking);
    guard->SetRunning(true);
    CreatureData& data = Creature::Of(guard)->GetData();
    data.SetBodyType(0, 1);
    data.SetMaxHitPoints(12);
    data.AddHitPoints(12);
    data.SetDeathVariableScope("guards");
    SoldierEntity* fallen = NewSoldier(manager);
    fallen->RemoveFlags(Entity::kFlagAlive);
    fallen->SetState(SoldierEntity::kStateDying);
    return {WrittenBytes([&](Stream& stream) { return guard->Save(stream); }),
            WrittenBytes([&](Stream& stream) { return fallen->Save(stream); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ScopedCreatureFactory creatures;
    EntityMgr manager;
    FuzzInput input(data, size);
    SoldierEntity* soldier = NewSoldier(manager);
    const bool loaded = soldier->Load(input);
    if (soldier->GetType() != Entity::kTypeSoldier)
        std::abort();
    soldier->Update(33);
    if (!loaded)
        return 0;
    const std::string saved = WrittenBytes([&](Stream& stream) { return soldier->Save(stream); });
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    SoldierEntity* reread = NewSoldier(manager);
    if (!reread->Load(again) ||
        WrittenBytes([&](Stream& stream) { return reread->Save(stream); }) != saved)
        std::abort();
    return 0;
}
