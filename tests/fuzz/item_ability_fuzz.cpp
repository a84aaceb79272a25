// Item ability records from any bytes: refused, or read back as themselves with every
// query answering.

#include "Source/creatures/item_ability.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const ItemAbility& ability) {
    return WrittenBytes([&](Stream& stream) { return ability.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    ItemAbility bow;
    bow.DefineUse(kAbilityAmmunition, 1, 2, true, ItemAbility::kUseLaunch);
    bow.SetText(ItemAbility::kName, "Shoot");
    bow.SetUses(4, 9);
    bow.SetDamage(1, 8, 2, 16);
    bow.SetReach(12.5f, 0.5f, 0.25);
    bow.SetAmmunition(9, 1);
    bow.SetAnimationText(0, "bow", 2);
    Effect slow;
    slow.Define(kEffectSkill, kUnitSeconds, 10.0, -5, 3, 0);
    bow.GetEffectList().Add(slow);
    return {Stored(bow), Stored(ItemAbility())};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ItemAbility ability;
    FuzzInput input(data, size);
    if (!ability.Load(input))
        return 0;
    const std::string stored = Stored(ability);
    ItemAbility reread;
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();
    ability.GetCharges();
    ability.GetMaxCharges();
    ability.IsEmpty();
    ability.IsFull();
    ability.GetDamageType();
    ability.ConsumeUse();
    AbilityData use;
    use.SetFromItemAbility(ability);
    use.AmmunitionDamage();
    return 0;
}
