// 8-bit bitmaps as the tile map's layers are read: any bytes read without a fault.
#include "Library/graphics/indexed_bitmap.h"
#include "tests/fuzz/fuzz_seeds.h"
#include "tests/fuzz/fuzz_stream.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzStream readable(data, size);
    IndexedBitmap bitmap;
    if (bitmap.Read(readable, "fuzz input")) {
        for (int y = 0; y < bitmap.GetHeight(); ++y)
            for (int x = 0; x < bitmap.GetWidth(); ++x)
                bitmap.GetColourAt(x, y);
        StoredBytes(bitmap);
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    std::vector<std::string> seeds;
    for (auto [width, height, colours] : {std::tuple{1, 1, 1}, {3, 2, 12}, {5, 4, 256}}) {
        IndexedBitmap bitmap;
        if (!bitmap.Create(width, height, colours))
            std::abort();
        for (int i = 0; i < colours; ++i)
            bitmap.SetPaletteEntry(i, Colour(static_cast<uint8_t>(i), 255, 0));
        bitmap.SetIndex(width - 1, height - 1, static_cast<uint8_t>(colours - 1));
        seeds.push_back(StoredBytes(bitmap));
    }
    return seeds;
}
