#include "Library/files/text_reader.h"

#include "Library/core/mem_mgr.h"
#include "data_tree_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TextReaderTest : public ::testing::Test {
protected:
    testsupport::ScopedDataRoot m_root;
    TextReader m_reader;
};

TEST_F(TextReaderTest, FindsLinesByNumber) {
    m_root.WriteFile("text/Intro.txt", "# notes\r\n{12}Hello\r\n{7}Seven\n{}nothing\r\n{12}tail");
    ASSERT_TRUE(m_reader.Open("intro.dat")); // the extension is replaced
    Stringc text;
    ASSERT_TRUE(m_reader.FindLine(12, text));
    EXPECT_STREQ(text.c_str(), "Hello");
    ASSERT_TRUE(m_reader.FindLine(7, text));
    EXPECT_STREQ(text.c_str(), "Seven"); // a bare line feed ends a line as well
    ASSERT_TRUE(m_reader.FindLine(0, text));
    EXPECT_STREQ(text.c_str(), "nothing");
    EXPECT_FALSE(m_reader.FindLine(3, text));

    // The last line has no line feed, so it is never returned.
    Stringc line;
    ASSERT_TRUE(m_reader.FindLine(0, text));
    EXPECT_FALSE(m_reader.ReadLine(line));
    EXPECT_FALSE(m_reader.Open("missing"));
    EXPECT_FALSE(m_reader.FindLine(12, text));
}

TEST_F(TextReaderTest, CollectsMatchingLinesWhileLinesHoldBraces) {
    m_root.WriteFile("text/log.txt", "{1}a\r\n{2}b\r\n{1}c\r\nplain\r\n{1}d\r\n");
    ASSERT_TRUE(m_reader.Open("log"));
    MemMgr<Stringc> lines;
    m_reader.CollectLines(1, lines);
    ASSERT_EQ(lines.GetCount(), 2);
    EXPECT_STREQ(lines.Get(0)->c_str(), "a");
    EXPECT_STREQ(lines.Get(1)->c_str(), "c");

    Stringc text;
    EXPECT_TRUE(TextReader::MatchId(5, Stringc("x{ 5 }y"), text));
    EXPECT_STREQ(text.c_str(), "y");
    EXPECT_FALSE(TextReader::MatchId(5, Stringc("}5{"), text));
    EXPECT_FALSE(TextReader::HasBraces(Stringc("{5")));
}

} // namespace
