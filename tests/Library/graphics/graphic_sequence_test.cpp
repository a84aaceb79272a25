#include "Library/graphics/graphic_sequence.h"
#include "Library/graphics/graphic_sequence2.h"

#include "Library/core/mem_tracker.h"
#include "Library/files/data_tree_support.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/graphic.h"
#include "image_files.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GraphicSequence, FilesCropToTheirOpaquePartAndRoundTrip) {
    const LayoutGuard layout(kPixelFormat555);
    ASSERT_TRUE(Graphic::InitScratch());
    testsupport::ScopedDataRoot root;
    std::vector<uint16_t> pixels(4 * 3, 0x7C1F);
    pixels[1 * 4 + 2] = 0x1234;
    root.WriteFile("a.tga", MakeTga(4, 3, 16, pixels));
    root.WriteFile("b.tga", MakeTga(2, 2, 24, {}));
    Stringc names(root.Path("a.tga").c_str());
    names.AppendToChain(root.Path("b.tga").c_str());

    GraphicSequence sequence;
    ASSERT_TRUE(sequence.LoadFiles(&names, 2));
    uint32_t x = 9, y = 9, third = 9;
    sequence.GetRecord(0, x, y, third);
    EXPECT_EQ(x * 10 + y, 21u);
    EXPECT_EQ(sequence.GetGraphic(0)->GetWidth(), 1);
    sequence.SetValue(1, 77);
    MemStream stored(kStreamWriteBinary);
    ASSERT_TRUE(sequence.Write(stored));
    const std::string bytes = testsupport::BytesOf(stored);
    GraphicSequence read;
    ASSERT_TRUE(read.Read(*testsupport::ReadableStream(bytes)));
    EXPECT_EQ(read.GetValue(1), 77u);
    MemStream again(kStreamWriteBinary);
    ASSERT_TRUE(read.Write(again));
    EXPECT_EQ(testsupport::BytesOf(again), bytes);
    EXPECT_FALSE(read.Read(*testsupport::ReadableStream(bytes.substr(0, bytes.size() - 1))));
    EXPECT_FALSE(sequence.LoadFiles(&names, 3)); // more names than the chain holds
    Graphic::FreeScratch();
}

// Each file keys its own palette's entry of the key colour; the first file's key and
// palette go out.
TEST(GraphicSequence2, BuildHandsOutTheFirstBitmapsKeyAndPalette) {
    testsupport::ScopedDataRoot root;
    const Colour magenta(255, 0, 255), red(255, 0, 0), green(0, 255, 0);
    root.WriteFile("a.bmp", MakeBmp(3, 2, 8, {magenta, red, green}, 3, {0, 1, 0, 0, 2, 0}));
    root.WriteFile("b.bmp", MakeBmp(3, 2, 8, {green, red, magenta}, 3, {2, 2, 2, 1, 2, 2}));
    Stringc names(root.Path("a.bmp").c_str());
    names.AppendToChain(root.Path("b.bmp").c_str());
    GraphicSequence2 sequence;
    uint32_t key = 99;
    SDL_Color palette[256];
    ASSERT_TRUE(sequence.Build(&names, 2, 6, key, palette));
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(palette[1].r * 1000 + palette[1].g, 255000);
    ASSERT_EQ(sequence.GetCount(), 2);
    EXPECT_EQ(sequence.GetFrame(1)->GetWidth(), 1); // keyed by its own magenta, index 2
    EXPECT_EQ(sequence.GetFrame(1)->GetOffsetY(), 1);
}

// A sequence whose count claims more frames than follow is refused before the frames are
// made.
TEST(GraphicSequence2, ACountBeyondTheStoredFramesIsRefused) {
    const std::string frame("\x01\x00\x01\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x01\x07", 15);
    GraphicSequence2 sequence;
    ASSERT_TRUE(sequence.Read(*testsupport::ReadableStream(std::string("\x01\x00", 2) + frame)));
    EXPECT_EQ(sequence.GetCount(), 1);
    for (const char* count : {"\x02\x00", "\xFF\xFF"}) {
        const auto stream = testsupport::ReadableStream(std::string(count, 2) + frame);
        const size_t allocatedBefore = MemGetStats().m_accumulatedReportedMemory;
        EXPECT_FALSE(sequence.Read(*stream));
        EXPECT_EQ(sequence.GetCount(), 0);
        EXPECT_LT(MemGetStats().m_accumulatedReportedMemory - allocatedBefore, 4096u);
    }
}

} // namespace
