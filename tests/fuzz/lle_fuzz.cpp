// Stored ".lle" pictures, plain or in run-length rows, saved in either pixel layout and
// read in either, then drawn every way the game draws them.

#include "Library/graphics/graphic.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

std::vector<std::string> FuzzSeeds() {
    std::vector<std::string> seeds;
    for (const size_t layout : {0, 1}) {
        UseImageLayoutFor(layout);
        for (const bool encode : {true, false}) {
            Graphic graphic;
            MakePattern(graphic, 13, 7, encode);
            graphic.SetFileName("art/graphic/pattern.lle");
            seeds.push_back(WrittenBytes([&](Stream& stream) { return graphic.WriteLle(stream); }));
        }
    }
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int width = 0, height = 0;
    ReadAndDraw(data, size, ".lle", width, height);
    return 0;
}
