// Stored sets of 16-bit pictures with their offset records, each picture drawn at its
// record's offset in the blit modes the game uses.

#include "Library/graphics/blit_state.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_sequence.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <vector>

namespace {

constexpr int kSide = 40;

std::string StoredSequence(int count) {
    GraphicSequence sequence;
    if (!sequence.Allocate(count))
        return "";
    for (int index = 0; index < count; ++index) {
        MakePattern(*sequence.GetGraphic(index), 3 + index, 2 + 2 * index, index % 2 == 0);
        sequence.SetValue(index, 100u * static_cast<uint32_t>(index));
    }
    return WrittenBytes([&](Stream& stream) { return sequence.Write(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    UseImageLayoutFor(0);
    return {StoredSequence(3), StoredSequence(1), StoredSequence(0)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UseImageLayoutFor(size);
    FuzzInput input(data, size);
    GraphicSequence sequence;
    if (!sequence.Read(input))
        return 0;
    std::vector<uint16_t> pixels(kSide * kSide);
    const PixelSurface surface{pixels.data(), kSide, kSide, kSide};
    const BlitStateScope saved;
    g_graphicClipRect = Rect::Make(0, 0, kSide, kSide);
    sequence.DataTotal();
    for (int index = 0; index < sequence.GetCount(); ++index) {
        uint32_t x = 0, y = 0, third = 0;
        sequence.GetRecord(index, x, y, third);
        for (const int mode : {0, 1}) {
            Graphic::SetBlitMode(mode);
            sequence.DrawFrame(surface, index, kSide / 2, kSide / 2);
            sequence.DrawFrame(surface, index, -static_cast<int>(x % kSide), 1);
        }
        DrawEveryWay(*sequence.GetGraphic(index));
    }
    return 0;
}
