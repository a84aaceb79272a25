// Stored settings, read over the defaults and applied to nothing; what was read is written
// back and reads again as itself.

#include "Library/core/stringc.h"
#include "Source/world/game_config.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const GameConfig& config) {
    return WrittenBytes([&](Stream& stream) { return config.Write(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    GameConfig config(FuzzScratchRoot().c_str(), nullptr, nullptr);
    const std::string defaults = Stored(config);
    config.SetViewSize(1);
    config.SetSampleVolume(300);
    config.SetFloatOption(2.5f);
    return {defaults, Stored(config)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GameConfig config(FuzzScratchRoot().c_str(), nullptr, nullptr);
    FuzzInput input(data, size);
    if (!config.Read(input))
        return 0;
    const std::string stored = Stored(config);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    GameConfig reread(FuzzScratchRoot().c_str(), nullptr, nullptr);
    if (!reread.Read(again) || Stored(reread) != stored)
        std::abort();
    return 0;
}
