// The test build's driver of a fuzz target: each seed whole, every truncation of it and
// copies with single bytes forced high, low or sign-flipped go through the target once, so
// the sanitizers see the loader refuse cut and forged input (or, with --whole, each seed
// once). Fails when there are no seeds.

#include "fuzz/fuzz_seeds.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr size_t kLeadingBytesDamaged = 48; // where headers and counts sit
constexpr size_t kSpreadBytesDamaged = 48;  // and evenly over the rest

// A copy of exactly the bytes given, so a read one past the end is caught.
void Run(const char* data, size_t size) {
    const std::vector<uint8_t> input(data, data + size);
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

std::vector<size_t> DamagedPositions(size_t size) {
    std::vector<size_t> positions;
    for (size_t at = 0; at < size && at < kLeadingBytesDamaged; ++at)
        positions.push_back(at);
    if (size > kLeadingBytesDamaged) {
        const size_t step = (size - kLeadingBytesDamaged) / kSpreadBytesDamaged + 1;
        for (size_t at = kLeadingBytesDamaged; at < size; at += step)
            positions.push_back(at);
    }
    return positions;
}

size_t Replay(std::string seed) {
    size_t runs = 0;
    for (size_t length = 0; length <= seed.size(); ++length, ++runs)
        Run(seed.data(), length);
    for (const size_t at : DamagedPositions(seed.size())) {
        const char kept = seed[at];
        for (const char damaged : {'\xFF', '\0', static_cast<char>(kept ^ 0x80)}) {
            seed[at] = damaged;
            Run(seed.data(), seed.size());
            ++runs;
        }
        seed[at] = kept;
    }
    return runs;
}

} // namespace

// With --whole each seed goes through once as it is: for targets whose every input plays
// a game, where cut and damaged copies would take minutes.
int main(int argc, char** argv) {
    const bool whole = argc > 1 && std::strcmp(argv[1], "--whole") == 0;
    const std::vector<std::string> seeds = FuzzSeeds();
    size_t runs = 0;
    for (const std::string& seed : seeds) {
        if (seed.empty()) {
            std::fprintf(stderr, "a seed is empty: its writer failed\n");
            return 1;
        }
        if (whole) {
            Run(seed.data(), seed.size());
            ++runs;
        } else {
            runs += Replay(seed);
        }
    }
    std::printf("%zu seeds, %zu inputs replayed\n", seeds.size(), runs);
    return seeds.empty() ? 1 : 0;
}
