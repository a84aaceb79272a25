// A spell definition from any bytes: refused, changing nothing, or taken with an ability in
// force whenever it has any, which writes what it reads back.

#include "Source/creatures/spell.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Written(const Spell& spell) {
    return WrittenBytes([&](Stream& stream) { return spell.WriteFields(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    Spell fireball;
    fireball.SetName("Fireball");
    fireball.SetId(4005);
    fireball.SetLevel(3);
    fireball.SetOffensive(true);
    for (uint16_t minimum : {1, 3, 5}) {
        SpellAbility ability;
        ability.Define(1, SpellAbility::kByMode, 2, SpellAbility::kModeProjectile, minimum, 12.0f,
                       2.0f * minimum, 0.0, 11, 2.0f);
        Effect burn;
        burn.Define(kEffectDamage, kUnitSeconds, 0.0, 0, 0, 0);
        burn.SetDice(minimum, 6);
        ability.GetEffects().Add(burn);
        fireball.AddAbility(ability);
    }
    return {Written(fireball), Written(Spell())};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Spell spell;
    const std::string blank = Written(spell);
    FuzzInput input(data, size);
    if (!spell.ReadFields(input)) {
        if (Written(spell) != blank)
            std::abort();
        return 0;
    }
    if (spell.CountAbilities() > 0 && spell.GetSelectedAbility() == nullptr)
        std::abort();
    const std::string written = Written(spell);
    FuzzInput again(reinterpret_cast<const uint8_t*>(written.data()), written.size());
    Spell reread;
    if (!reread.ReadFields(again) || Written(reread) != written)
        std::abort();
    return 0;
}
