// Stored ".tga" pictures, 16-bit as our writer makes them and 24-bit, read whole (plain or
// encoded) and by tile regions as the map's tile sheets are, then drawn every way.

#include "../Library/graphics/image_files.h"
#include "Library/graphics/graphic.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

std::vector<std::string> FuzzSeeds() {
    std::vector<std::string> seeds;
    for (const size_t layout : {0, 1}) {
        UseImageLayoutFor(layout);
        Graphic graphic;
        MakePattern(graphic, 11, 9, false);
        seeds.push_back(WrittenBytes([&](Stream& stream) { return graphic.WriteTga(stream); }));
    }
    seeds.push_back(MakeTga(5, 4, 24, {}, "an id"));
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int width = 0, height = 0;
    if (!ReadAndDraw(data, size, ".tga", width, height))
        return 0;
    FuzzInput input(data, size);
    const Rect regions[] = {Rect::Make(0, 0, width, height), Rect::Make(1, 2, 5, 7),
                            Rect::Make(width, height, width / 2, 0)};
    for (const Rect& region : regions) {
        Graphic tile;
        if (tile.LoadTgaRegionFromStream(input, region))
            DrawEveryWay(tile);
    }
    return 0;
}
