// Compiled rule tables (".dat"), each then looked up by its row and column names and its
// cells converted as the rules read them.

#include "Library/files/data_paths.h"
#include "Library/files/two_dim_array.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

namespace {

constexpr int kNamedLookups = 24; // rows and columns also looked up by name (each a scan)

// The ".dat" our compiler makes of a text table.
std::string Compiled(const std::string& text) {
    UseScratchDataPaths();
    TwoDimArray table;
    if (!table.Compile(FuzzFile("uncompiled/data/seed.txt", text).c_str()))
        return "";
    return ReadWholeFile((g_dataPaths->Get2DArrayDir() + "/seed.dat").c_str());
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {Compiled("Rules table v1\nSpeed Armour Flags\nGuard 5 -10 1|2|0x40\n"
                     "Archer 99999999999 3.5 7\n"),
            Compiled("x y z\nOnly\nRow 1\n")};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    TwoDimArray table;
    if (!table.Read(input))
        return 0;
    for (int row = 0; row < table.GetRows(); ++row) {
        Stringc rowName;
        table.GetCellAt(row, 0, rowName);
        for (int column = 0; column < table.GetColumns(); ++column) {
            Stringc columnName, cell;
            table.GetCellAt(0, column, columnName);
            int value = 0;
            uint8_t byte = 0;
            int16_t shortValue = 0;
            uint16_t word = 0;
            table.GetIntAt(row, column, value);
            if (row >= kNamedLookups || column >= kNamedLookups)
                continue;
            table.GetCell(rowName.c_str(), columnName.c_str(), cell);
            table.GetInt(rowName.c_str(), columnName.c_str(), value);
            table.GetByteByRow(row, columnName.c_str(), byte);
            table.GetShortByRow(row, columnName.c_str(), shortValue);
            table.GetUShortByRow(row, columnName.c_str(), word);
            cell.ToFlags();
        }
    }
    return 0;
}
