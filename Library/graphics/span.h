#pragma once
// Span routines: the inner loops of all drawing, one horizontal run of pixels per
// call. Layout-dependent spans come in 555/565 pairs; callers pick one per call
// through g_pixelFormat. "Keyed" spans leave the destination where the source
// holds g_colourKey. Mode state (level, offsets, colours) is set once per mode.

#include <cstdint>

struct Colour;
struct ColourOffset;

using SpanFunc = void (*)(uint16_t* dst, const uint16_t* src, int count);
using FillSpanFunc = void (*)(uint16_t* dst, uint16_t colour, int count);

void FillSpan16(uint16_t* dst, uint16_t colour, int count);
void CopySpan16(uint16_t* dst, const uint16_t* src, int count);
void CopySpanReversed16(uint16_t* dst, const uint16_t* src, int count); // dst[i] = src[n-1-i]
void CopySpanKeyed16(uint16_t* dst, const uint16_t* src, int count);
void CopySpanKeyedReversed16(uint16_t* dst, const uint16_t* src, int count);

void AlphaSpan555(uint16_t* dst, const uint16_t* src, int count); // keyed; d += (s - d) * a / 32
void AlphaSpan565(uint16_t* dst, const uint16_t* src, int count);
void RecolourSpan(uint16_t* dst, const uint16_t* src, int count); // keyed; by dominant channel
void CopySpanExcept(uint16_t* dst, const uint16_t* src,
                    int count);                                   // keyed; not the excluded colour
void CopySpanOnly(uint16_t* dst, const uint16_t* src, int count); // keyed; only the only colour
void TintSpan(uint16_t* dst, const uint16_t* src, int count);     // keyed; tint by lightness

void BlendSpanHalf555(uint16_t* dst, const uint16_t* src, int count); // s/2 + d/2
void BlendSpanHalf565(uint16_t* dst, const uint16_t* src, int count);
void BlendSpanQuarter555(uint16_t* dst, const uint16_t* src, int count); // d/4 + s/4 + d/2
void BlendSpanQuarter565(uint16_t* dst, const uint16_t* src, int count);
void BlendSpanThreeQuarter555(uint16_t* dst, const uint16_t* src, int count); // s/4 + s/2 + d/4
void BlendSpanThreeQuarter565(uint16_t* dst, const uint16_t* src, int count);

void ColouriseSpan555(uint16_t* dst, const uint16_t* src, int count); // s + offsets, clamped
void ColouriseSpan565(uint16_t* dst, const uint16_t* src, int count);
void ColouriseSpanKeyed555(uint16_t* dst, const uint16_t* src, int count);
void ColouriseSpanKeyed565(uint16_t* dst, const uint16_t* src, int count);
void CopySpanBright555(uint16_t* dst, const uint16_t* src, int count); // keyed; channels >= 13/31
void CopySpanBright565(uint16_t* dst, const uint16_t* src, int count);

// Box spans blend a colour into the destination.
void ShadeSpan555(uint16_t* dst, uint16_t colour, int count); // d/4 + c/4 + d/2
void ShadeSpan565(uint16_t* dst, uint16_t colour, int count);
void HalfBoxSpan555(uint16_t* dst, uint16_t colour, int count); // c/2 + d/2
void HalfBoxSpan565(uint16_t* dst, uint16_t colour, int count);
void TintBoxSpan555(uint16_t* dst, uint16_t colour, int count); // c/4 + c/2 + d/4
void TintBoxSpan565(uint16_t* dst, uint16_t colour, int count);

// Mode state, read by the spans above.
void SetColouriseOffsets(const ColourOffset& offsets); // green doubled in 5-6-5
void SetAlphaLevel(int level);                         // 0-255, used as level / 8
void SetRecolourColours(const Colour colours[7]);
void SetExcludedColour(uint16_t pixel);
void SetOnlyColour(uint16_t pixel);
void SetTintColour(const Colour& colour);
