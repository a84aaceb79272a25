#include "Library/files/two_dim_array.h"

#include "Library/core/mem_tracker.h"
#include "Library/core/test_stream_support.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "data_tree_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string kRules = "2DA V1.0 rules\n"
                           "        Strength  Dexterity  Speed\n"
                           "Goblin  5         7          9\n"
                           "Orc     300       4          -5\n";

std::string StoredFormOf(const TwoDimArray& table) {
    const Bytes bytes = StoredForm(table);
    return std::string(bytes.begin(), bytes.end());
}

class TwoDimArrayTest : public ::testing::Test {
protected:
    bool Compile(const std::string& text) {
        m_root.WriteFile("uncompiled/data/2DArray/Rules.2da", text);
        m_root.WriteFile("Data/2DArray/.keep", "");
        return m_table.Compile(m_root.Path("uncompiled/data/2DArray/Rules.2da").c_str());
    }
    std::string Cell(int row, int column) const {
        Stringc cell;
        return m_table.GetCellAt(row, column, cell) ? cell.c_str() : "<none>";
    }

    testsupport::ScopedDataRoot m_root;
    TwoDimArray m_table;
};

TEST_F(TwoDimArrayTest, CompiledTableLoadsFromTheLooseFileAndFromTheArchive) {
    ASSERT_TRUE(Compile(kRules));
    EXPECT_EQ(m_table.GetColumns() * 10 + m_table.GetRows(), 43);
    TwoDimArray loaded;
    ASSERT_TRUE(loaded.Load("rules.2da"));
    int value = 0;
    EXPECT_TRUE(loaded.GetInt("GOBLIN", "speed", value));
    EXPECT_EQ(value, 9);

    testsupport::WriteArchive(m_root.Path("general.rsc"),
                              {{m_root.Paths().Get2DArrayDir().c_str() + std::string("/Rules.dat"),
                                StoredFormOf(m_table)}});
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(m_root.Path("general.rsc").c_str(), ResFileMgr::kRead));
    g_generalRes = &archive;
    m_root.Paths().SetUseResourceFiles(true);
    m_root.WriteFile("Data/2DArray/Rules.dat", "the loose file is not read");
    ASSERT_TRUE(loaded.Load("Rules"));
    EXPECT_TRUE(loaded.GetInt("orc", "Strength", value));
    EXPECT_EQ(value, 300);
    m_root.WriteFile("Data/2DArray/Other.dat", StoredFormOf(m_table));
    EXPECT_FALSE(loaded.Load("Other")); // no falling back to loose files
}

TEST_F(TwoDimArrayTest, TextRules) {
    // Comments between values and lines, a '/' inside a value, a 0xFF byte, and a last
    // line without a line feed, which is no row.
    ASSERT_TRUE(Compile("// heading\r\n2DA V1.0 /* the third */ x\r\n"
                        "A B\r\n"
                        "r1 a/b /**/ 2\r\n"
                        "/* a comment\r\n   over lines */\r\n"
                        "r2 \xFFz 4 // trailing\r\n"
                        "r3 5 6"));
    EXPECT_EQ(m_table.GetRows(), 3);
    EXPECT_EQ(Cell(1, 1), "a/b");
    EXPECT_EQ(Cell(2, 1), "\xFFz");
    EXPECT_EQ(Cell(2, 2), "4");

    ASSERT_TRUE(Compile(kRules));
    const std::string lf = StoredFormOf(m_table);
    std::string crlf;
    for (char c : kRules)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(Compile(crlf));
    EXPECT_EQ(StoredFormOf(m_table), lf);

    // Ragged lines and tables without rows are refused.
    EXPECT_FALSE(Compile("2DA V1.0 x\nA B\nr1 1\nr2 1 2 3\n"));
    EXPECT_EQ(m_table.GetRows(), 0);
    EXPECT_FALSE(Compile("2DA V1.0 x\nA B"));
}

// A cell too long for the stored form fails the compile and leaves the last good table.
TEST_F(TwoDimArrayTest, AFailedCompileKeepsThePreviousTable) {
    ASSERT_TRUE(Compile(kRules));
    const std::string good = m_root.ReadFile("Data/2DArray/Rules.dat");
    ASSERT_FALSE(good.empty());
    EXPECT_FALSE(Compile("2DA V1.0 x\nA\nr1 " + std::string(70000, 'v') + "\n"));
    EXPECT_EQ(m_root.ReadFile("Data/2DArray/Rules.dat"), good);
    EXPECT_FALSE(std::filesystem::exists(m_root.Path("Data/2DArray/Rules.dat.new")));
}

TEST_F(TwoDimArrayTest, ReadChecksTheStoredCountsAgainstTheBytes) {
    ASSERT_TRUE(Compile(kRules));
    const std::string stored = StoredFormOf(m_table);
    TwoDimArray copy;
    ASSERT_TRUE(copy.Read(*testsupport::ReadableStream(stored)));
    EXPECT_EQ(StoredFormOf(copy), stored);
    for (size_t size = 0; size < stored.size(); ++size) {
        EXPECT_FALSE(copy.Read(*testsupport::ReadableStream(stored.substr(0, size))));
        EXPECT_EQ(copy.GetRows(), 0);
    }
    const auto header = [](uint32_t columns, uint32_t rows) {
        return testsupport::Word(columns) + testsupport::Word(rows) + std::string(64, '\0');
    };
    // 65536 x 65536 cells wrap to 0 in 32 bits; 20000 x 20000 cells do not fit in 64 bytes
    // and are refused before anything is allocated for them.
    EXPECT_FALSE(copy.Read(*testsupport::ReadableStream(header(65536, 65536))));
    EXPECT_FALSE(copy.Read(*testsupport::ReadableStream(header(0, 5))));
    const auto huge = testsupport::ReadableStream(header(20000, 20000));
    const size_t allocatedBefore = MemGetStats().m_accumulatedReportedMemory;
    EXPECT_FALSE(copy.Read(*huge));
    EXPECT_LT(MemGetStats().m_accumulatedReportedMemory - allocatedBefore, 4096u);
    EXPECT_TRUE(copy.Read(*testsupport::ReadableStream(header(4, 8))));
}

// Columns, rows, then the cells row by row, each a length-counted text with its NUL.
TEST(TwoDimArray, StoredFormIsTheCountsThenTheCellsRowByRow) {
    const std::string stored("\x02\x00\x00\x00" // columns
                             "\x02\x00\x00\x00" // rows
                             "\x02\x00"
                             "0\0"
                             "\x06\x00"
                             "Speed\0"
                             "\x04\x00"
                             "Orc\0"
                             "\x02\x00"
                             "9\0",
                             30);
    TwoDimArray table;
    ASSERT_TRUE(table.Read(*testsupport::ReadableStream(stored)));
    int speed = 0;
    EXPECT_TRUE(table.GetInt("orc", "SPEED", speed));
    EXPECT_EQ(speed, 9);
    EXPECT_EQ(StoredFormOf(table), stored);
}

} // namespace
