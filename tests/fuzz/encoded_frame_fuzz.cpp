// Stored run-length frames of 8-bit animation art, one after another, each decoded into a
// surface of its size and outlined on a 16-bit one partly off its edges.

#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/screen.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <vector>

namespace {

constexpr long kMaxDecodedPixels = 1L << 20;
constexpr int kSide = 40;

std::string StoredFrames(std::initializer_list<std::pair<int, int>> sizes) {
    return WrittenBytes([&](Stream& stream) {
        int variant = 0;
        for (const auto& [width, height] : sizes) {
            EncodedFrame frame;
            const SurfacePtr bitmap = MakeFrame8(width, height, variant);
            if (!frame.BuildFrom(bitmap.get(), variant, 2 * variant, 0x40) || !frame.Write(stream))
                return false;
            ++variant;
        }
        return true;
    });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {StoredFrames({{9, 6}, {1, 1}, {3, 8}}), StoredFrames({{300, 2}, {2, 3}})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    std::vector<uint16_t> pixels(kSide * kSide);
    const PixelSurface outlined{pixels.data(), kSide, kSide, kSide};
    g_clipRect = Rect::Make(0, 0, kSide, kSide);
    EncodedFrame frame;
    while (frame.Read(input)) {
        const int w = frame.GetWidth(), h = frame.GetHeight();
        if (static_cast<long>(w) * h <= kMaxDecodedPixels) {
            const SurfacePtr decoded = MakeSurface8(w > 0 ? w : 1, h > 0 ? h : 1);
            frame.Decode(decoded.get());
        }
        for (const int at : {-w / 2, 0, kSide / 2, kSide - 1}) {
            frame.IsOnScreen(at, at);
            frame.DrawOutline(outlined, at, kSide / 3);
        }
    }
    return 0;
}
