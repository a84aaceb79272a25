#include "animation_support.h"

#include "Library/files/file_stream.h"
#include "Library/graphics/animation.h"
#include "image_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace testsupport {

void WriteBitmapFolder(const ScratchDir& root, const std::string& relativeDir, int count) {
    std::vector<Colour> palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back(i == kKeyIndex
                              ? Colour(255, 0, 255)
                              : Colour(static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                                       static_cast<uint8_t>(7 * i)));
    for (int frame = 0; frame < count; ++frame) {
        std::vector<uint8_t> indices(kBitmapSide * kBitmapSide, kKeyIndex);
        const int left = frame % 5, top = frame % 7, size = 6 + frame % 9;
        for (int y = top; y < top + size; ++y)
            for (int x = left; x < left + size; ++x)
                indices[static_cast<size_t>(y) * kBitmapSide + x] =
                    static_cast<uint8_t>(20 + (x + y + frame) % 200);
        indices[static_cast<size_t>(top + 1) * kBitmapSide + left + 1] = kKeyIndex; // a hole
        char name[24];
        std::snprintf(name, sizeof name, "/f%02d.bmp", frame);
        root.WriteFile(relativeDir + name,
                       MakeBmp(kBitmapSide, kBitmapSide, 8, palette, 0, indices));
    }
}

std::string WriteAni(const ScratchDir& root, const std::string& set, const std::string& name,
                     int frames, int sequences, uint32_t durationMs) {
    const std::string bitmaps = "bitmaps/" + set + "/" + name;
    WriteBitmapFolder(root, bitmaps, frames);
    Animation animation;
    EXPECT_TRUE(animation.CreateFromBitmaps(root.Path(bitmaps).c_str(), sequences, kMagentaKey));
    for (int frame = 0; frame < animation.GetFrameCount(); ++frame)
        animation.SetFrameDuration(frame, durationMs);
    const std::string path = root.Path("art/anim/" + set + "/" + name + ".ani");
    root.WriteFile("art/anim/" + set + "/" + name + ".ani", "");
    FileStream file(path.c_str(), kStreamWriteBinary);
    EXPECT_TRUE(animation.Write(file));
    return path;
}

} // namespace testsupport
