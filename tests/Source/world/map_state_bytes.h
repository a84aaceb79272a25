#pragma once
// A saved map state forged where its explored list lies: the u32 cell count, three more
// counters, then a byte for each eight cells and one spare.

#include <bitset>
#include <cstdint>
#include <cstring>
#include <string>

namespace testsupport {

// The state with its explored list counting one cell more than the map's, which changes no
// other byte: the list's bytes stay as many. Empty when the list is not found once.
inline std::string WithOneExploredCellMore(std::string state, uint32_t cells) {
    std::string count(sizeof cells, '\0');
    std::memcpy(count.data(), &cells, sizeof cells);
    const size_t bytes = cells / 8 + 1;
    size_t list = std::string::npos;
    int found = 0;
    for (size_t at = state.find(count); at != std::string::npos; at = state.find(count, at + 1)) {
        if (at + 16 + bytes > state.size())
            continue;
        uint32_t setCount = 0;
        std::memcpy(&setCount, state.data() + at + 12, sizeof setCount);
        size_t bits = 0;
        for (size_t i = 0; i < bytes; ++i)
            bits += std::bitset<8>(static_cast<uint8_t>(state[at + 16 + i])).count();
        if (bits == setCount) {
            list = at;
            ++found;
        }
    }
    if (found != 1)
        return "";
    const uint32_t more = cells + 1;
    std::memcpy(state.data() + list, &more, sizeof more);
    return state;
}

} // namespace testsupport
