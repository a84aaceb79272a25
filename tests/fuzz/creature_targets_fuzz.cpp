// Stored records of a creature's targets as saves hold them, each then read by the scripts'
// getters and posted to the creature's scripts.

#include "Source/creatures/creature_targets.h"
#include "Source/entities/soldier_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const CreatureTargets& targets) {
    return WrittenBytes([&](Stream& stream) { return targets.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    SoldierEntity soldier;
    CreatureTargets targets(soldier);
    EntityRef raider;
    raider.Set(200, 1, 3, 4, 5, 6, 7);
    raider.SetName("Raider");
    raider.AddToList(12);
    targets.SetAttackedBy(raider, 4);
    targets.SetSignal11(raider);
    targets.SetSignalNumber(-9);
    EntityRef corpse;
    corpse.Set(2, 3, 0, 0, 0, 0, 0);
    targets.SetContact(corpse);
    return {Stored(targets), Stored(CreatureTargets(soldier))};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SoldierEntity soldier;
    FuzzInput input(data, size);
    CreatureTargets targets(soldier);
    if (!targets.Load(input))
        return 0;
    const std::string stored = Stored(targets);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    CreatureTargets reread(soldier);
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort(); // a record reads back as itself

    EntityRef ref;
    int32_t number = 0;
    targets.GetAttackedBy(ref, number);
    targets.GetDamagedBy(ref, number);
    targets.GetSignal9(ref, number);
    targets.GetSignal10(ref, number);
    targets.GetSignal11(ref);
    targets.GetSeen(ref);
    for (int slot = -1; slot <= CreatureTargets::kSlotCount; ++slot)
        targets.GetSlot(slot);
    targets.Update();
    return 0;
}
