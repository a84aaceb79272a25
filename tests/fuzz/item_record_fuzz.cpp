// Item records from any bytes, magazines and abilities within: refused, or read back as
// themselves, with every query of the item and its abilities answering.

#include "Source/creatures/creature_item_rules.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_items.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

const CreatureItemRules g_rules;

std::string Stored(const ItemEntity& item) {
    return WrittenBytes([&](Stream& stream) { return item.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    EntityMgr manager;
    return {Stored(*FuzzPistol(manager)), Stored(*FuzzBolts(manager))};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    ItemEntity item;
    item.Init();
    if (!item.Load(input))
        return 0;
    const std::string stored = Stored(item);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    ItemEntity reread;
    reread.Init();
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();

    item.GetTotalWeight();
    item.GetTotalValue();
    item.CanStackWith(reread);
    item.AcceptsAmmunition(reread);
    for (int ability = 0; ability <= item.GetAbilities().CountUsed(); ++ability) {
        item.CountListEntries();
        item.GetQuantity();
        item.GetMaxQuantity();
        item.GetCount();
        item.GetCapacity();
        item.IsEmpty();
        item.IsFull();
        item.GetAbilityName();
    }
    Stringc name;
    int count = 0;
    while (item.Unload(name, count))
        ;
    if (item.HasLoadableMagazine())
        std::abort();
    return 0;
}
