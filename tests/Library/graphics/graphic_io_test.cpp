#include "Library/graphics/graphic.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/rect.h"
#include "image_files.h"
#include "layout_guard.h"
#include "scratch_dir.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class GraphicFiles : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_TRUE(Graphic::InitScratch()); }
    void TearDown() override { Graphic::FreeScratch(); }
    std::string WriteFile(const std::string& name, const std::string& bytes) {
        m_dir.WriteFile(name, bytes);
        return m_dir.Path(name);
    }
    static std::vector<uint16_t> Pixels(const Graphic& graphic) {
        EXPECT_FALSE(graphic.IsEncoded());
        EXPECT_EQ((graphic.GetFlags() & Graphic::kLayout565) != 0,
                  g_pixelFormat == kPixelFormat565);
        return std::vector<uint16_t>(graphic.GetData(),
                                     graphic.GetData() + graphic.GetWidth() * graphic.GetHeight());
    }
    // The test picture in the layout, through the given packing.
    static std::vector<uint16_t> Pattern(
        int width, int height, uint16_t (*pack)(uint16_t) = [](uint16_t p) { return p; }) {
        std::vector<uint16_t> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(pack(PatternColour(x, y).Pack16()));
        return pixels;
    }

    LayoutGuard m_layout{GetParam()};
    testsupport::ScratchDir m_dir;
};

TEST_P(GraphicFiles, ImagesOfEveryDepthLoadFromFilesAndStreams) {
    const std::string bmp = MakeBmp(5, 3, 24, {}, 0); // 15-byte rows padded to 16
    const std::string tga = MakeTga(7, 4, 24, {});
    Graphic graphic;
    ASSERT_TRUE(graphic.LoadFile(WriteFile("Pic.BMP", bmp).c_str(), false));
    EXPECT_EQ(Pixels(graphic), Pattern(5, 3));
    ASSERT_TRUE(graphic.LoadFile(WriteFile("pic.tga", tga).c_str(), false));
    EXPECT_EQ(Pixels(graphic), Pattern(7, 4));

    // 8 bits with three colours used, 4 bits with the full 16 (colours used 0).
    const std::vector<Colour> three = {{10, 20, 30}, {255, 0, 255}, {0, 255, 0}};
    TestStream bmp8(MakeBmp(3, 2, 8, three, 3, {0, 1, 2, 200, 1, 0})); // 200 past the palette
    ASSERT_TRUE(graphic.ReadFromStream(bmp8, "a.bmp", false));
    EXPECT_EQ(Pixels(graphic),
              (std::vector<uint16_t>{three[0].Pack16(), three[1].Pack16(), three[2].Pack16(), 0,
                                     three[1].Pack16(), three[0].Pack16()}));
    std::vector<Colour> sixteen(16);
    for (int i = 0; i < 16; ++i)
        sixteen[i] = Colour(static_cast<uint8_t>(i * 16), 0, static_cast<uint8_t>(255 - i * 16));
    const std::vector<uint8_t> indices = {15, 0, 7, 3, 9, 1, 2, 14, 8, 4};
    TestStream bmp4(MakeBmp(5, 2, 4, sixteen, 0, indices));
    ASSERT_TRUE(graphic.ReadFromStream(bmp4, "a.bmp", false));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(graphic.GetData()[i], sixteen[indices[i]].Pack16()) << i;

    // 16-bit targas skip their ID field; the top bit is not colour.
    const std::string tga16 = MakeTga(3, 1, 16, {0x7C1F, 0x8001, 0x03E0}, "an id field");
    TestStream stream16(tga16);
    ASSERT_TRUE(graphic.ReadFromStream(stream16, "a.tga", false));
    const auto layout = [](uint16_t p) {
        return g_pixelFormat == kPixelFormat565 ? Convert555To565(p) : p;
    };
    EXPECT_EQ(Pixels(graphic), (std::vector<uint16_t>{layout(0x7C1F), 1, layout(0x03E0)}));
    TestStream keyed(tga16);
    ASSERT_TRUE(graphic.ReadFromStream(keyed, "a.tga", true));
    EXPECT_EQ(std::vector<uint16_t>(graphic.GetData(), graphic.GetData() + 3),
              (std::vector<uint16_t>{2, 1, 2})); // key, then a run of two

    EXPECT_FALSE(graphic.LoadFile(WriteFile("pic.png", bmp).c_str(), false));
    EXPECT_FALSE(graphic.LoadFile(m_dir.Path("missing.bmp").c_str(), false));
    Graphic::FreeScratch();
    EXPECT_FALSE(graphic.LoadFile(m_dir.Path("pic.bmp").c_str(), false));
}

// The rows follow the palette; the file's data offset counts only when it points at or past
// the palette's end and the rows fit there.
TEST_P(GraphicFiles, BmpRowsFollowThePaletteUnlessTheOffsetPointsFurtherAndFits) {
    const std::vector<Colour> two = {{10, 20, 30}, {200, 100, 0}};
    const std::vector<uint8_t> indices = {0, 1, 1, 0, 1, 0, 0, 0};
    const std::string plain = MakeBmp(4, 2, 8, two, 2, indices);
    const size_t paletteEnd = 54 + 8;
    std::string gapped = plain; // eight bytes of index 1 between the palette and the rows
    gapped.insert(paletteEnd, 8, '\x01');
    const struct {
        const std::string& bytes;
        uint32_t offset;
    } cases[] = {
        {plain, 0},
        {plain, 54},
        {plain, paletteEnd + 1},
        {plain, 0xFFFFFFF0},
        {gapped, paletteEnd + 8},
    };
    std::vector<uint16_t> expected;
    for (uint8_t index : indices)
        expected.push_back(two[index].Pack16());
    for (const auto& c : cases) {
        std::string bytes = c.bytes;
        Put(bytes, 10, c.offset);
        TestStream stream(bytes);
        Graphic graphic;
        ASSERT_TRUE(graphic.ReadFromStream(stream, "a.bmp", false)) << c.offset;
        EXPECT_EQ(Pixels(graphic), expected) << c.offset;
    }
    std::string rgb = MakeBmp(5, 3, 24, {}, 0);
    Put(rgb, 10, uint32_t{0});
    TestStream stream(rgb);
    Graphic graphic;
    ASSERT_TRUE(graphic.ReadFromStream(stream, "a.bmp", false));
    EXPECT_EQ(Pixels(graphic), Pattern(5, 3));
}

TEST_P(GraphicFiles, TgaWriteAndRegionReadRoundTrip) {
    Graphic source;
    ASSERT_TRUE(source.Create(6, 5));
    const std::vector<uint16_t> pattern = Pattern(6, 5);
    std::copy(pattern.begin(), pattern.end(), source.GetSurface().pixels);
    MemStream out(kStreamWriteBinary);
    ASSERT_TRUE(source.WriteTga(out));
    const std::string bytes = testsupport::BytesOf(out);
    EXPECT_EQ(bytes.substr(16, 2), "\x10\x01"); // 16 bits, one attribute bit

    Graphic region;
    TestStream in(bytes);
    ASSERT_TRUE(region.LoadTgaRegionFromStream(in, Rect{4, 3, 1, 1}));
    ASSERT_EQ(region.GetWidth() * 10 + region.GetHeight(), 32);
    const std::vector<uint16_t> stored = Pattern(6, 5, [](uint16_t p) { // 5-5-5 in the file
        return g_pixelFormat == kPixelFormat565 ? Convert555To565(Convert565To555(p)) : p;
    });
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(region.GetData()[i], stored[(1 + i / 3) * 6 + 1 + i % 3]) << i;
    EXPECT_FALSE(region.LoadTgaRegionFromStream(in, Rect{0, 0, 7, 2}));
    TestStream tga24(MakeTga(2, 2, 24, {}));
    EXPECT_FALSE(region.LoadTgaRegionFromStream(tga24, Rect{0, 0, 1, 1}));

    int width = 0, height = 0;
    EXPECT_TRUE(Graphic::ReadImageSize(WriteFile("size.TGA", bytes).c_str(), width, height));
    EXPECT_EQ(width * 10 + height, 65);
    EXPECT_FALSE(Graphic::ReadImageSize(WriteFile("s.gif", bytes).c_str(), width, height));
}

// Writes a graphic as ".lle" in one layout and reads it in both.
TEST_P(GraphicFiles, LleRoundTripsAndConvertsPlainAndEncodedData) {
    for (const bool encode : {false, true}) {
        Graphic original;
        ASSERT_TRUE(original.Create(5, 4));
        original.ClearToKey();
        for (int x = 0; x < 5; ++x)
            original.SetPixel(x, x % 4, PatternColour(x, 0).Pack16());
        original.SetFileName("Art/Sprite.lle");
        if (encode) {
            ASSERT_TRUE(original.Encode());
        }
        MemStream out(kStreamWriteBinary);
        ASSERT_TRUE(original.WriteLle(out));
        const std::string bytes = testsupport::BytesOf(out);

        Graphic same;
        TestStream in(bytes);
        ASSERT_TRUE(same.ReadFromStream(in, "x.lle", false));
        EXPECT_EQ(same.GetFullPath(), "art/sprite.lle");
        MemStream again(kStreamWriteBinary);
        ASSERT_TRUE(same.WriteLle(again));
        std::string loaded = bytes; // the same bytes, now flagged as loaded
        loaded[17] |= Graphic::kLoaded;
        EXPECT_EQ(testsupport::BytesOf(again), loaded);

        const int written = g_pixelFormat;
        LayoutGuard other(1 - written);
        Graphic converted;
        TestStream in2(bytes);
        ASSERT_TRUE(converted.ReadFromStream(in2, "x.lle", false)) << encode;
        ASSERT_EQ(converted.GetDataLength(), original.GetDataLength());
        EXPECT_EQ(converted.IsEncoded(), encode);
        EXPECT_EQ((converted.GetFlags() & Graphic::kLayout565) != 0,
                  g_pixelFormat == kPixelFormat565);
        for (int x = 0; x < 5; ++x) {
            EXPECT_TRUE(converted.IsOpaqueAt(x, x % 4));
            EXPECT_FALSE(converted.IsOpaqueAt(x, (x + 1) % 4));
        }
        if (!encode) { // every pixel, the keys too, is in the new layout
            std::vector<uint16_t> expected(original.GetData(), original.GetData() + 20);
            ConvertPixels(expected.data(), 20, written);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), converted.GetData()));
        }
    }
}

// Every reader on every cut of its files, and on headers that lie about their sizes.
TEST_P(GraphicFiles, TruncatedAndForgedImagesFailCleanly) {
    Graphic sprite;
    ASSERT_TRUE(sprite.Create(6, 3));
    sprite.ClearToKey();
    sprite.SetPixel(2, 1, 0x1234);
    sprite.SetPixel(3, 1, 0x4321);
    MemStream plain(kStreamWriteBinary), encoded(kStreamWriteBinary);
    ASSERT_TRUE(sprite.WriteLle(plain));
    ASSERT_TRUE(sprite.Encode() && sprite.WriteLle(encoded));
    const std::vector<uint8_t> indices(12, 1);
    const std::vector<std::pair<const char*, std::string>> files = {
        {"a.bmp", MakeBmp(5, 3, 24, {}, 0)},
        {"a.bmp", MakeBmp(4, 3, 8, {{1, 2, 3}, {4, 5, 6}}, 2, indices)},
        {"a.bmp", MakeBmp(4, 3, 4, std::vector<Colour>(16), 0, indices)},
        {"a.tga", MakeTga(3, 2, 16, {1, 2, 3, 4, 5, 6}, "id")},
        {"a.tga", MakeTga(3, 2, 24, {})},
        {"a.lle", testsupport::BytesOf(plain)},
        {"a.lle", testsupport::BytesOf(encoded)},
    };
    Graphic graphic;
    for (const auto& [name, bytes] : files) {
        TestStream whole(bytes);
        ASSERT_TRUE(graphic.ReadFromStream(whole, name, false)) << name;
        for (size_t length = 0; length < bytes.size(); ++length) {
            TestStream cut(bytes.substr(0, length));
            ASSERT_FALSE(graphic.ReadFromStream(cut, name, false)) << name << " cut at " << length;
            ASSERT_EQ(graphic.GetData(), nullptr);
        }
    }

    auto forged = [&](const char* name, std::string bytes, size_t offset, auto value) {
        Put(bytes, offset, value);
        TestStream stream(bytes);
        return graphic.ReadFromStream(stream, name, false);
    };
    const std::string bmp8 = files[1].second;
    EXPECT_FALSE(forged("a.bmp", bmp8, 46, uint32_t{300}));        // colours used past 256
    EXPECT_FALSE(forged("a.bmp", bmp8, 46, uint32_t{200}));        // palette past the file
    EXPECT_FALSE(forged("a.bmp", bmp8, 14, uint32_t{0x7FFFFFFF})); // header size
    EXPECT_FALSE(forged("a.bmp", bmp8, 14, uint32_t{12}));
    EXPECT_FALSE(forged("a.bmp", bmp8, 22, int32_t{-3})); // top-down rows
    EXPECT_FALSE(forged("a.bmp", bmp8, 18, int32_t{0x7FFFFFFF}));
    EXPECT_FALSE(forged("a.bmp", bmp8, 28, uint16_t{16})); // 16 bits are refused
    for (const uint16_t bits : {32, 40, 65535}) // colours used 0: the count comes from the bits
        EXPECT_FALSE(forged("a.bmp", files[2].second, 28, bits)) << bits;
    EXPECT_FALSE(forged("a.bmp", bmp8, 30, uint32_t{1})); // run-length compressed
    const std::string tga = files[3].second;
    EXPECT_FALSE(forged("a.tga", tga, 0, uint8_t{200})); // ID field past the file
    EXPECT_FALSE(forged("a.tga", tga, 12, uint16_t{65535}));
    EXPECT_FALSE(forged("a.tga", tga, 2, uint8_t{10})); // run-length compressed
    EXPECT_FALSE(forged("a.tga", tga, 16, uint8_t{8}));
    const std::string lle = files[6].second;
    const size_t header = lle.size() - 2 * static_cast<size_t>(sprite.GetDataLength()) - 16;
    EXPECT_FALSE(forged("a.lle", lle, header + 12, uint32_t{0x7FFFFFFF})); // data length
    EXPECT_FALSE(forged("a.lle", lle, header + 4, uint32_t{3}));           // narrower than a run
    EXPECT_FALSE(forged("a.lle", lle, header + 8, uint32_t{70000}));
    EXPECT_FALSE(forged("a.lle", lle, header + 16 + 2 * 1 + 2, uint16_t{9})); // run past the row
    EXPECT_FALSE(forged("a.lle", files[5].second, header + 4, uint32_t{7}));  // plain count
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, GraphicFiles,
                         ::testing::Values(kPixelFormat555, kPixelFormat565));

TEST_F(ScreenTest, ImagesConvertToTargaOnceAndFailedWritesLeaveNothing) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(picture, nullptr);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 255, 0, 255));
    ASSERT_EQ(SDL_SaveBMP(picture, (m_root + "/photo.bmp").c_str()), 0);
    SDL_FreeSurface(picture);
    EXPECT_FALSE(m_screen->ConvertImageToTga((m_root + "/none.bmp").c_str()));

    std::filesystem::create_directory(m_root + "/photo.tga.new"); // blocks the write
    EXPECT_FALSE(m_screen->ConvertImageToTga((m_root + "/photo.bmp").c_str()));
    EXPECT_FALSE(std::filesystem::exists(m_root + "/photo.tga"));
    std::filesystem::remove(m_root + "/photo.tga.new");

    ASSERT_TRUE(m_screen->ConvertImageToTga((m_root + "/photo.bmp").c_str()));
    ASSERT_TRUE(Graphic::InitScratch());
    Graphic converted;
    ASSERT_TRUE(converted.LoadFile((m_root + "/photo.tga").c_str(), false));
    EXPECT_EQ(converted.GetWidth(), 3);
    EXPECT_EQ(converted.GetData()[5], g_colourKey);
    std::filesystem::resize_file(m_root + "/photo.tga", 0); // an existing target is kept
    EXPECT_TRUE(m_screen->ConvertImageToTga((m_root + "/photo.bmp").c_str()));
    EXPECT_EQ(std::filesystem::file_size(m_root + "/photo.tga"), 0u);
    Graphic::FreeScratch();
}

} // namespace
