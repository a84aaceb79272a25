#pragma once
// The run-length row form of images (see Graphic), in 16-bit words for 16-bit pixels and in
// bytes for 8-bit palette frames: encoding, checking and walking. Every count of the form
// (k, skip, count) is one Word.

#include <cstdint>
#include <memory>

// Encodes height rows of width pixels, rows pitch pixels apart, into a buffer of exactly
// their length entries (one at least). Gaps and runs longer than a Word counts are split into
// extra runs (a zero-length run carries the rest of a gap). Null, with length 0, when a row
// needs more runs than its leading Word can count (16-bit rows never do).
template <class Word>
std::unique_ptr<Word[]> EncodeRows(const Word* pixels, long pitch, int width, int height, Word key,
                                   long& length);
// True when length entries hold exactly height rows whose runs all lie within width.
template <class Word> bool ValidateRows(const Word* data, long length, int width, int height);

// Calls fn(row, x, pixels, count) for every run of rows 0 to rowEnd - 1 (a raw row is
// one run of width pixels). The rows must have passed ValidateRows.
template <class Pixel, class Fn> void ForEachRun(Pixel* data, int width, int rowEnd, Fn&& fn) {
    Pixel* p = data;
    for (int row = 0; row < rowEnd; ++row) {
        const unsigned k = *p++;
        if (k == 1) {
            fn(row, 0, p, width);
            p += width;
            continue;
        }
        int x = 0;
        for (unsigned run = 1; run < k; ++run) {
            x += p[0];
            const int count = p[1];
            p += 2;
            fn(row, x, p, count);
            p += count;
            x += count;
        }
    }
}
