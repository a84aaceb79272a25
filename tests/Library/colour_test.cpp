#include "Library/colour.h"
#include "Library/colour_offset.h"
#include "Library/mem_stream.h"
#include "Library/pixel_format.h"
#include "image_files.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, PackAndUnpackRoundTripEveryPixelInBothLayouts) {
    for (int format : {kPixelFormat555, kPixelFormat565}) {
        LayoutGuard layout(format);
        const unsigned used = format == kPixelFormat555 ? 0x7FFF : 0xFFFF;
        for (unsigned pixel = 0; pixel < 0x10000; ++pixel) {
            const Colour colour = Colour::Unpack16(static_cast<uint16_t>(pixel));
            ASSERT_EQ(colour.Pack16(), pixel & used) << format << " " << pixel;
        }
    }
}

TEST(Colour, FullAndEmptyFieldsUnpackToTheEnds) {
    LayoutGuard layout(kPixelFormat555);
    EXPECT_EQ(Colour::Unpack16(0x0001), Colour(0, 0, 15));
    EXPECT_EQ(Colour::Unpack16(0), Colour(0, 0, 0));
    EXPECT_EQ(Colour::Unpack16(0x7FFF), Colour(255, 255, 255));
    EXPECT_EQ(Colour(255, 255, 255).Pack16(), 0x7FFF);
    g_pixelFormat = kPixelFormat565;
    EXPECT_EQ(Colour::Unpack16(0x0020), Colour(0, 7, 0)); // green 1 of 63
    EXPECT_EQ(Colour(255, 255, 255).Pack16(), 0xFFFF);
    g_pixelFormat = 7;
    EXPECT_EQ(Colour(255, 255, 255).Pack16(), 0);
}

TEST(Colour, KeysFollowTheLayout) {
    {
        LayoutGuard layout(kPixelFormat555);
        SetColourKeyForVideoMode();
        EXPECT_EQ(g_colourKey, 0x7C1F);
        EXPECT_EQ(g_encodingKey, 0x7C1F);
        EXPECT_EQ(g_secondColourKey, 0x03E0);
    }
    LayoutGuard layout(kPixelFormat565);
    SetColourKeyForVideoMode();
    EXPECT_EQ(g_colourKey, 0xF81F);
    EXPECT_EQ(g_encodingKey, 0xF81F);
    EXPECT_EQ(g_secondColourKey, 0x07E0);
}

TEST(Colour, LayoutConversionMatchesRepackingAndRoundTrips) {
    for (unsigned pixel = 0; pixel < 0x8000; ++pixel) {
        const uint16_t p = static_cast<uint16_t>(pixel);
        const Colour colour = Colour::Unpack<kPixelFormat555>(p);
        const uint16_t wide = Convert555To565(p);
        ASSERT_EQ(wide, PackPixel<kPixelFormat565>(colour.red, colour.green, colour.blue));
        ASSERT_EQ(Convert565To555(wide), p);
    }
    uint16_t pixels[] = {0x7C1F, 0x7FFF};
    ConvertPixels(pixels, 2, kPixelFormat555);
    EXPECT_EQ(pixels[0], 0xF81F);
    EXPECT_EQ(pixels[1], 0xFFFF);
}

TEST(Colour, StreamFormsAreRedGreenBlue) {
    MemStream out(kStreamWriteBinary);
    ASSERT_TRUE(Colour(1, 2, 3).Write(out));
    ASSERT_TRUE((ColourOffset{-2, 300, 4}.Write(out)));
    const Bytes bytes(reinterpret_cast<const char*>(out.GetBuffer()),
                      static_cast<size_t>(out.GetSize()));
    EXPECT_EQ(bytes, Bytes("\x01\x02\x03\xFE\xFF\x2C\x01\x04\x00", 9));
    ByteStream in(bytes);
    Colour colour;
    ColourOffset offsets;
    ASSERT_TRUE(colour.Read(in) && offsets.Read(in));
    EXPECT_EQ(colour, Colour(1, 2, 3));
    EXPECT_EQ(offsets, (ColourOffset{-2, 300, 4}));
    EXPECT_FALSE(colour.Read(in));
}

} // namespace
