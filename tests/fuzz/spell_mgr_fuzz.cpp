// A creature's spells and charges from any bytes: refused, or read back as themselves, and
// still learning, spending, restoring and forgetting.

#include "Source/creatures/spell_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const SpellMgr& spells) {
    return WrittenBytes([&](Stream& stream) { return spells.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    SpellMgr spells;
    spells.Learn(3, 2, 3, 1);
    spells.Learn(7, 1, 2, 2);
    spells.UseCharge(7);
    return {Stored(spells), Stored(SpellMgr())};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SpellMgr spells;
    FuzzInput input(data, size);
    if (!spells.Load(input))
        return 0;
    const std::string stored = Stored(spells);
    SpellMgr reread;
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();
    const bool learned = spells.Learn(99, 1, 2, 1);
    spells.UseCharge(99);
    spells.RestoreCharges();
    if (learned && !spells.HasReadyCharge(99))
        std::abort(); // learned and restored, so ready
    spells.Forget(99);
    if (spells.HasReadyCharge(99))
        std::abort();
    return 0;
}
