// Text rule tables as their authors write them, compiled into the table directory; a
// table that compiles must load back with the same cells.

#include "Library/files/data_paths.h"
#include "Library/files/two_dim_array.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    return {"Rules table v1\nSpeed Armour Cost\nGuard 5 10 0x20\nArcher 7 4 1|2|3 // fast\r\n",
            "a b c\nOnly\nRow 1\n/* a comment\nspanning lines */ Next 2\n",
            "one two three\nX Y\nR1 1 2\nR2 3\nR3 4 5 6\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UseScratchDataPaths();
    const std::string source = FuzzFile("uncompiled/data/rules.txt", data, size);
    TwoDimArray compiled;
    if (!compiled.Compile(source.c_str()))
        return 0;
    TwoDimArray loaded;
    if (!loaded.Load("rules") || loaded.GetRows() != compiled.GetRows() ||
        loaded.GetColumns() != compiled.GetColumns())
        std::abort();
    for (int row = 0; row < compiled.GetRows(); ++row) {
        for (int column = 0; column < compiled.GetColumns(); ++column) {
            Stringc written, read;
            if (!compiled.GetCellAt(row, column, written) || !loaded.GetCellAt(row, column, read) ||
                written != read)
                std::abort();
        }
    }
    return 0;
}
