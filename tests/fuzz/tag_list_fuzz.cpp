// Stored bit sets: byte lists, word lists and grids, the first input byte choosing which.
// Each read set is walked, searched, shifted and combined, all of which lean on the stored
// counts and search positions.

#include "Library/core/tag_grid.h"
#include "Library/core/tag_list32.h"
#include "Library/core/taglist.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

enum Kind : char { kBytes = 'b', kWords = 'w', kGrid = 'g' };

template <class List> std::string Stored(Kind kind, const List& list) {
    return std::string(1, kind) + WrittenBytes([&](Stream& stream) { return list.Write(stream); });
}

template <class List> void Exercise(List& list) {
    const int bits = list.GetBitCount();
    int set = 0;
    for (int bit = list.FirstSet(); bit >= 0; bit = list.NextSet())
        if (++set > bits)
            std::abort(); // the walk must end
    if (set != list.GetSetCount())
        std::abort();
    list.FindFirstClear();
    const auto shifted = (list << 3) >> 5;
    const auto combined = (list | shifted) ^ (~list & shifted);
    list.IsSet(bits - 1);
    list.Toggle(bits / 2);
    list.FindFirstClear();
    (void)(combined == list);
}

template <class List> void ReadAndExercise(FuzzInput& input, List list) {
    if (list.Read(input))
        Exercise(list);
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    TagList bytes(40);
    for (int bit : {0, 7, 8, 39})
        bytes.Set(bit);
    TagList32 words(100);
    for (int bit : {1, 31, 32, 64, 99})
        words.Set(bit);
    TagList full(16);
    for (int bit = 0; bit < 16; ++bit)
        full.Set(bit);
    full.FindFirstClear();
    TagGrid grid(5, 3);
    grid.SetRow(1);
    grid.SetColumn(4);
    return {Stored(kBytes, bytes), Stored(kBytes, full), Stored(kWords, words),
            Stored(kGrid, grid)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    FuzzInput input(data + 1, size - 1);
    switch (data[0]) {
    case kBytes:
        ReadAndExercise(input, TagList());
        break;
    case kWords:
        ReadAndExercise(input, TagList32());
        break;
    case kGrid: {
        TagGrid grid(1, 1);
        if (grid.Read(input)) {
            int x = 0, y = 0;
            grid.FindFirstClear(x, y);
            grid.ToggleRow(grid.GetHeight() - 1);
            grid.SetColumn(grid.GetWidth() - 1);
            Exercise(grid);
        }
        break;
    }
    }
    return 0;
}
