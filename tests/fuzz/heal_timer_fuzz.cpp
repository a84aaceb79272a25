// Heal timer records from any bytes: refused, or read back as themselves; only the two
// periods are ever set afterwards.

#include "Source/creatures/heal_timer.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const HealTimer& timer) {
    return WrittenBytes([&](Stream& stream) { return timer.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    HealTimer resting(nullptr);
    resting.Start();
    resting.SetPeriod(HealTimer::kRestingPeriod);
    return {Stored(resting)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HealTimer timer(nullptr);
    FuzzInput input(data, size);
    if (!timer.Load(input))
        return 0;
    const std::string stored = Stored(timer);
    HealTimer reread(nullptr);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();
    timer.Update(); // no creature: nothing
    timer.SetPeriod(12);
    if (timer.GetPeriod() != reread.GetPeriod())
        std::abort();
    return 0;
}
