// Container records from any bytes: refused without an item left behind, or read back as
// themselves, holding exactly the items they made, which go again with the container.

#include "Source/creatures/creature_item_rules.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_items.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

const CreatureItemRules g_rules;

std::string Stored(const ContainerEntity& container) {
    return WrittenBytes([&](Stream& stream) { return container.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    EntityMgr manager;
    ContainerEntity chest;
    chest.SetManager(&manager);
    chest.Init();
    const std::string empty = Stored(chest);
    ItemEntity* out = nullptr;
    chest.AddOrStack(FuzzPistol(manager), out);
    chest.AddOrStack(FuzzBolts(manager), out);
    return {Stored(chest), empty};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EntityMgr manager;
    ContainerEntity chest;
    chest.SetManager(&manager);
    chest.Init();
    FuzzInput input(data, size);
    if (!chest.Load(input)) {
        if (LiveItems(manager) != 0)
            std::abort();
        return 0;
    }
    if (LiveItems(manager) != chest.CountHeld())
        std::abort();
    const std::string stored = Stored(chest);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    ContainerEntity reread;
    reread.SetManager(&manager);
    reread.Init();
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();

    chest.GetWeight();
    chest.GetValue();
    chest.CountItems();
    chest.SelectNext();
    for (int index = 0; index < chest.CountHeld(); ++index)
        chest.StackByKind(chest.GetItemAt(index));
    chest.Init();
    reread.Init();
    if (LiveItems(manager) != 0)
        std::abort();
    return 0;
}
