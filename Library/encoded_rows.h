#pragma once
// The run-length row form of 16-bit images (see Graphic): encoding, checking and walking.

#include <cstdint>

// Words the rows of a width x height image can take at most.
long MaxEncodedLength(int width, int height);
// Encodes height rows of width pixels (rows width apart) into out, which must hold
// MaxEncodedLength words; returns the words written.
long EncodeRows(const uint16_t* pixels, int width, int height, uint16_t key, uint16_t* out);
// True when length words hold exactly height rows whose runs all lie within width.
bool ValidateRows(const uint16_t* data, long length, int width, int height);

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
