// The clip map's stored form: any bytes read without a fault, and what reads writes back
// as it was read.
#include "Library/world/clip_map.h"
#include "tests/fuzz/fuzz_seeds.h"
#include "tests/fuzz/fuzz_stream.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzStream readable(data, size);
    ClipMap map;
    if (map.Read(readable, "fuzz input")) {
        const std::string stored = StoredBytes(map);
        if (stored.size() > size || std::memcmp(stored.data(), data, stored.size()) != 0)
            std::abort();
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    ClipMap empty;
    empty.AllocRows(3, 0);
    ClipMap walls;
    walls.AllocRows(8, 20);
    for (uint32_t column = 2; column < 6; ++column) {
        walls.AddSpan(column, 1)->bottom = 4;
        ClipSpan* lower = walls.AddSpan(column, 9);
        lower->bottom = 19;
        lower->base = 12;
    }
    return {StoredBytes(ClipMap()), StoredBytes(empty), StoredBytes(walls)};
}
