#include "Library/graphics/encoded_rows.h"

#include "Library/core/tracked_new.h"

#include <algorithm>
#include <limits>

namespace {

// Entries the rows of a width x height image can take at most.
long MaxEncodedLength(int width, int height) {
    // alternating pixels are the worst case: a skip and a count for each opaque one;
    // split gaps and runs cost less per pixel than that
    return static_cast<long>(height) * (1 + 3 * (static_cast<long>(width) / 2 + 1));
}

// Into out, which holds MaxEncodedLength entries; the entries written, or -1 when a row
// needs more runs than its leading Word can count.
template <class Word>
long EncodeRowsOf(const Word* pixels, long pitch, int width, int height, Word key, Word* out) {
    constexpr long kMost = std::numeric_limits<Word>::max();
    Word* o = out;
    for (int row = 0; row < height; ++row) {
        const Word* line = pixels + row * pitch;
        Word* header = o++;
        long runs = 0;
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
            long gap = start - skipFrom;
            for (; gap > kMost; gap -= kMost, ++runs) {
                *o++ = static_cast<Word>(kMost);
                *o++ = 0;
            }
            for (int from = start; from < x; ++runs) {
                const int count = static_cast<int>(std::min<long>(x - from, kMost));
                *o++ = static_cast<Word>(gap);
                *o++ = static_cast<Word>(count);
                o = std::copy_n(line + from, count, o);
                from += count;
                gap = 0;
            }
        }
        if (raw) {
            *header = 1;
            o = std::copy_n(line, width, o);
        } else if (runs + 1 > kMost) {
            return -1;
        } else {
            *header = static_cast<Word>(runs ? runs + 1 : 0);
        }
    }
    return o - out;
}

} // namespace

template <class Word>
std::unique_ptr<Word[]> EncodeRows(const Word* pixels, long pitch, int width, int height, Word key,
                                   long& length) {
    std::unique_ptr<Word[]> rows(NEW Word[MaxEncodedLength(width, height)]);
    const long written = EncodeRowsOf(pixels, pitch, width, height, key, rows.get());
    length = std::max(written, 0L);
    if (written < 0)
        return nullptr;
    std::unique_ptr<Word[]> exact(NEW Word[std::max(written, 1L)]);
    std::copy_n(rows.get(), written, exact.get());
    return exact;
}

template std::unique_ptr<uint8_t[]> EncodeRows(const uint8_t*, long, int, int, uint8_t, long&);
template std::unique_ptr<uint16_t[]> EncodeRows(const uint16_t*, long, int, int, uint16_t, long&);

template <class Word> bool ValidateRows(const Word* data, long length, int width, int height) {
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

template bool ValidateRows(const uint8_t*, long, int, int);
template bool ValidateRows(const uint16_t*, long, int, int);
