// Inventory records from any bytes: refused without an item left behind, or read back as
// themselves with every carried item the creature's; a reset releases them all.

#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_items.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>
#include <vector>

namespace {

const CreatureItemRules g_rules;

std::string Stored(const CreatureInventory& inventory) {
    return WrittenBytes([&](Stream& stream) { return inventory.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    EntityMgr manager;
    CreatureInventory inventory(manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
    const std::string empty = Stored(inventory);
    ItemEntity* out = nullptr;
    inventory.AddItem(FuzzBolts(manager), out);
    inventory.AddItem(FuzzPistol(manager), out);
    inventory.AddToSlot(out, 2, CreatureInventory::kFirstHand, out);
    inventory.SetCurrentHand(CreatureInventory::kLastHand);
    return {Stored(inventory), empty};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EntityMgr manager;
    Entity* soldier = manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier);
    CreatureInventory inventory(soldier);
    FuzzInput input(data, size);
    if (!inventory.Load(input)) {
        if (LiveItems(manager) != 0)
            std::abort();
        return 0;
    }
    std::vector<ItemEntity*> carried;
    inventory.CollectItems(carried);
    for (const ItemEntity* item : carried)
        if (item->GetOwner() != soldier || !inventory.Contains(item))
            std::abort();
    const std::string stored = Stored(inventory);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    CreatureInventory reread(soldier);
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();

    inventory.FinishLoading();
    inventory.GetTotalWeight();
    for (int hand = 0; hand < 3; ++hand)
        inventory.SelectNextHand();
    inventory.StowFlaggedItems();
    inventory.Reset();
    reread.Reset();
    if (LiveItems(manager) != 0)
        std::abort();
    return 0;
}
