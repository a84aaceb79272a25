// Stored colour modifications as saves hold them, each followed by a plain colour and a
// colour offset, then run for a few frames and applied to a palette, as a player does.

#include "Library/graphics/colour_mod.h"
#include "Library/graphics/colour_offset.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

namespace {

std::string Stored(const ColourMod& mod, const Colour& colour, const ColourOffset& offset) {
    return WrittenBytes([&](Stream& stream) {
        return mod.Write(stream) && colour.Write(stream) && offset.Write(stream);
    });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    ColourMod gliding;
    gliding.SetTargetLevel(40, -20, 255);
    gliding.SetSlot(ColourMod::kSlotFaded, 2, Colour(200, 10, 10), 30);
    gliding.SetKeepColour(true, Colour(255, 0, 255));
    ColourMod fading;
    fading.SetFadeTarget(true, 0.25f, 12);
    fading.StartFadeOut();
    fading.SetTint(true, Colour(0, 128, 255));
    fading.Update(16);
    ColourOffset offset;
    offset.red = -8;
    offset.blue = 31;
    return {Stored(gliding, Colour(1, 2, 3), offset), Stored(fading, Colour(), ColourOffset()),
            Stored(ColourMod(), Colour(255, 255, 255), offset)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    ColourMod mod;
    if (!mod.Read(input))
        return 0;
    Colour colour;
    ColourOffset offset;
    if (colour.Read(input))
        offset.Read(input);
    for (const uint32_t frameMs : {0u, 16u, 1000u, 100000u}) {
        mod.Update(frameMs);
        mod.GetAlpha();
        mod.ChangesColours();
        mod.Recolour(colour);
        for (int entry = 0; entry < 256; entry += 17)
            mod.Recolour(Colour(static_cast<uint8_t>(entry), static_cast<uint8_t>(255 - entry),
                                static_cast<uint8_t>(entry * 7)));
    }
    return 0;
}
