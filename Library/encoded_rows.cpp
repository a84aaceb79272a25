#include "Library/encoded_rows.h"

long MaxEncodedLength(int width, int height) {
    // alternating pixels are the worst case: a skip and a count for each opaque one
    return static_cast<long>(height) * (1 + 3 * (static_cast<long>(width) / 2 + 1));
}

long EncodeRows(const uint16_t* pixels, int width, int height, uint16_t key, uint16_t* out) {
    uint16_t* o = out;
    for (int row = 0; row < height; ++row) {
        const uint16_t* line = pixels + static_cast<long>(row) * width;
        uint16_t* header = o++;
        unsigned runs = 0;
        int x = 0;
        bool raw = false;
        while (x < width) {
            const int skipFrom = x;
            while (x < width && line[x] == key)
                ++x;
            if (x == width)
                break;
            const int start = x;
            while (x < width && line[x] != key)
                ++x;
            if (start == 0 && x == width) {
                raw = true;
                break;
            }
            *o++ = static_cast<uint16_t>(start - skipFrom);
            *o++ = static_cast<uint16_t>(x - start);
            for (int i = start; i < x; ++i)
                *o++ = line[i];
            ++runs;
        }
        if (raw) {
            *header = 1;
            for (int i = 0; i < width; ++i)
                *o++ = line[i];
        } else {
            *header = static_cast<uint16_t>(runs ? runs + 1 : 0);
        }
    }
    return o - out;
}

bool ValidateRows(const uint16_t* data, long length, int width, int height) {
    long at = 0;
    for (int row = 0; row < height; ++row) {
        if (at >= length)
            return false;
        const unsigned k = data[at++];
        if (k == 1) {
            if (length - at < width)
                return false;
            at += width;
            continue;
        }
        long x = 0;
        for (unsigned run = 1; run < k; ++run) {
            if (length - at < 2)
                return false;
            x += data[at] + static_cast<long>(data[at + 1]);
            const long count = data[at + 1];
            at += 2;
            if (x > width || length - at < count)
                return false;
            at += count;
        }
    }
    return at == length;
}
