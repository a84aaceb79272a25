#include "Library/graphics/span.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/colour_offset.h"
#include "Library/graphics/pixel_format.h"
#include "layout_guard.h"
#include "pixel_fields.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

int GreenMax(int format) {
    return format == kPixelFormat555 ? 31 : 63;
}
PixelFields PerChannel(PixelFields a, PixelFields b, const std::function<int(int, int)>& op) {
    return {op(a.r, b.r), op(a.g, b.g), op(a.b, b.b)};
}

// Random pixels of the layout, one in eight the key.
std::vector<uint16_t> RandomRow(int format, int count) {
    std::vector<uint16_t> row(static_cast<size_t>(count));
    for (auto& p : row) {
        const int value = platform::Rand() << 1 ^ platform::Rand();
        p = platform::Rand() % 8 == 0
                ? g_colourKey
                : static_cast<uint16_t>(format == kPixelFormat555 ? value & 0x7FFF
                                                                  : value & 0xFFFF);
    }
    return row;
}

using Reference = std::function<uint16_t(uint16_t src, uint16_t dst)>;
using AnySpan = std::function<void(uint16_t* dst, const uint16_t* src, int count)>;

// Runs the span over random rows and checks every pixel against the reference.
void ExpectSpanMatches(int format, const AnySpan& span, const Reference& reference,
                       const char* name) {
    const int count = 4099; // odd, so any pairing of pixels meets a lone one
    const std::vector<uint16_t> src = RandomRow(format, count);
    const std::vector<uint16_t> before = RandomRow(format, count);
    std::vector<uint16_t> dst = before;
    span(dst.data(), src.data(), count);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(dst[i], reference(src[i], before[i]))
            << name << " layout " << format << " src " << src[i] << " dst " << before[i];
    span(dst.data(), src.data(), 0);
    span(dst.data(), src.data(), -3);
}

class Span : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { platform::SeedRand(17); }
    int Format() const { return GetParam(); }
    bool IsKey(uint16_t p) const { return p == g_colourKey; }
    // The routine of the layout under test from its pair.
    template <class F> F Of(F span555, F span565) const {
        return Format() == kPixelFormat555 ? span555 : span565;
    }

    LayoutGuard m_layout{GetParam()};
};

TEST_P(Span, BlendsMatchPerChannelHalvesAndQuarters) {
    const int f = Format();
    auto blend = [f](auto op) {
        return [f, op](uint16_t s, uint16_t d) {
            return JoinPixel(f, PerChannel(SplitPixel(f, s), SplitPixel(f, d), op));
        };
    };
    const Reference half = blend([](int s, int d) { return s / 2 + d / 2; });
    const Reference quarter = blend([](int s, int d) { return d / 4 + s / 4 + d / 2; });
    const Reference threeQuarter = blend([](int s, int d) { return s / 4 + s / 2 + d / 4; });
    ExpectSpanMatches(f, Of(BlendSpanHalf555, BlendSpanHalf565), half, "half");
    ExpectSpanMatches(f, Of(BlendSpanQuarter555, BlendSpanQuarter565), quarter, "quarter");
    ExpectSpanMatches(f, Of(BlendSpanThreeQuarter555, BlendSpanThreeQuarter565), threeQuarter,
                      "three quarter");

    // Box spans are the same blends with a colour in the source's place.
    const uint16_t colour = Of<uint16_t>(0x5A5A, 0xA5A5);
    for (const auto& [box, reference] : {std::pair{Of(ShadeSpan555, ShadeSpan565), quarter},
                                         {Of(HalfBoxSpan555, HalfBoxSpan565), half},
                                         {Of(TintBoxSpan555, TintBoxSpan565), threeQuarter}})
        ExpectSpanMatches(
            f, [box = box, colour](uint16_t* d, const uint16_t*, int n) { box(d, colour, n); },
            [&, reference = reference](uint16_t, uint16_t d) { return reference(colour, d); },
            "box");
}

TEST_P(Span, AlphaStepRoundsDownPerChannelAtEveryLevel) {
    const int f = Format();
    for (int level = 0; level < 256; level += 9) {
        SetAlphaLevel(level);
        const int a = level >> 3;
        const Reference reference = [&](uint16_t s, uint16_t d) {
            if (IsKey(s))
                return d;
            return JoinPixel(f, PerChannel(SplitPixel(f, s), SplitPixel(f, d), [a](int sc, int dc) {
                                 return dc + static_cast<int>(std::floor((sc - dc) * a / 32.0));
                             }));
        };
        ExpectSpanMatches(f, Of(AlphaSpan555, AlphaSpan565), reference, "alpha");
    }
}

TEST_P(Span, ColouriseClampsEachField) {
    const int f = Format();
    for (const ColourOffset offsets : {ColourOffset{10, -3, 0}, ColourOffset{-31, 31, 7}}) {
        SetColouriseOffsets(offsets);
        const int greenStep = f == kPixelFormat565 ? 2 : 1;
        auto colourise = [&](uint16_t s) {
            const PixelFields p = SplitPixel(f, s);
            return JoinPixel(f, {std::clamp(p.r + offsets.red, 0, 31),
                                 std::clamp(p.g + offsets.green * greenStep, 0, GreenMax(f)),
                                 std::clamp(p.b + offsets.blue, 0, 31)});
        };
        ExpectSpanMatches(
            f, Of(ColouriseSpan555, ColouriseSpan565),
            [&](uint16_t s, uint16_t) { return colourise(s); }, "colourise");
        ExpectSpanMatches(
            f, Of(ColouriseSpanKeyed555, ColouriseSpanKeyed565),
            [&](uint16_t s, uint16_t d) { return IsKey(s) ? d : colourise(s); }, "colourise keyed");
    }
}

TEST_P(Span, CopiesSkipTheKeyAndFilteredColours) {
    const int f = Format();
    ExpectSpanMatches(
        f, CopySpanKeyed16, [&](uint16_t s, uint16_t d) { return IsKey(s) ? d : s; }, "keyed");
    const int greenMin = f == kPixelFormat555 ? 13 : 26;
    ExpectSpanMatches(
        f, Of(CopySpanBright555, CopySpanBright565),
        [&](uint16_t s, uint16_t d) {
            const PixelFields p = SplitPixel(f, s);
            const bool bright = p.r >= 13 && p.g >= greenMin && p.b >= 13;
            return bright && !IsKey(s) ? s : d;
        },
        "bright");

    // Few random pixels repeat, so filter on a value the rows are made to hold.
    std::vector<uint16_t> src = RandomRow(f, 64);
    const uint16_t chosen = Of<uint16_t>(0x1234, 0x8421);
    for (size_t i = 0; i < src.size(); i += 3)
        src[i] = chosen;
    SetExcludedColour(chosen);
    SetOnlyColour(chosen);
    std::vector<uint16_t> except(src.size(), 1), only(src.size(), 1);
    CopySpanExcept(except.data(), src.data(), static_cast<int>(src.size()));
    CopySpanOnly(only.data(), src.data(), static_cast<int>(src.size()));
    for (size_t i = 0; i < src.size(); ++i) {
        EXPECT_EQ(except[i], src[i] == chosen || IsKey(src[i]) ? 1 : src[i]);
        EXPECT_EQ(only[i], src[i] == chosen ? chosen : 1);
    }
    SetOnlyColour(g_colourKey); // the key is never copied, even when chosen
    CopySpanOnly(only.data(), src.data(), static_cast<int>(src.size()));
    EXPECT_EQ(std::count(only.begin(), only.end(), g_colourKey), 0);
}

// Lightness-scaled colours of the recolour and tint modes, from 8-bit channels.
uint16_t ScaledReference(int format, const Colour& colour, const Colour& pixel) {
    const int max = std::max({pixel.red, pixel.green, pixel.blue});
    const int min = std::min({pixel.red, pixel.green, pixel.blue});
    const float factor = (max + min * 0.5f) / 255.0f;
    auto channel = [factor](int value) {
        return static_cast<unsigned>(std::clamp(static_cast<int>(value * factor), 0, 255));
    };
    const unsigned r = channel(colour.red), g = channel(colour.green), b = channel(colour.blue);
    return format == kPixelFormat555 ? PackPixel<kPixelFormat555>(r, g, b)
                                     : PackPixel<kPixelFormat565>(r, g, b);
}

TEST_P(Span, RecolourByDominantChannelAndTintByLightness) {
    const int f = Format();
    const Colour colours[7] = {{200, 10, 10}, {10, 200, 10}, {10, 10, 200},  {90, 0, 90},
                               {90, 90, 0},   {0, 90, 90},   {128, 128, 128}};
    SetRecolourColours(colours);
    ExpectSpanMatches(
        f, RecolourSpan,
        [&](uint16_t s, uint16_t d) {
            if (IsKey(s))
                return d;
            const Colour p = Colour::Unpack16(s);
            const int max = std::max({p.red, p.green, p.blue});
            if (max == 0)
                return d;
            const bool r = p.red == max, g = p.green == max, b = p.blue == max;
            const int which = r && g && b     ? 6
                              : r && !g && !b ? 0
                              : g && !r && !b ? 1
                              : b && !r && !g ? 2
                              : r && b        ? 3
                              : r && g        ? 4
                                              : 5;
            return ScaledReference(f, colours[which], p);
        },
        "recolour");
    const Colour tint(255, 128, 64);
    SetTintColour(tint);
    ExpectSpanMatches(
        f, TintSpan,
        [&](uint16_t s, uint16_t d) {
            return IsKey(s) ? d : ScaledReference(f, tint, Colour::Unpack16(s));
        },
        "tint");
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Span, ::testing::Values(kPixelFormat555, kPixelFormat565));

} // namespace
