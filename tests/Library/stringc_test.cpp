#include "Library/stringc.h"

#include "Library/tracked_new.h"
#include "test_stream_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool ReadFrom(Stringc& text, Bytes bytes) {
    TestStream stream(std::move(bytes));
    return text.Read(stream);
}

} // namespace

TEST(Stringc, StoredFormIsByteExact) {
    EXPECT_EQ(StoredForm(Stringc()), (Bytes{0x00, 0x00}));
    EXPECT_EQ(StoredForm(Stringc("abc")), (Bytes{0x04, 0x00, 0x61, 0x62, 0x63, 0x00}));

    Stringc text("old");
    EXPECT_TRUE(ReadFrom(text, {0x04, 0x00, 0x61, 0x62, 0x63, 0x00}));
    EXPECT_STREQ(text.c_str(), "abc");
    EXPECT_TRUE(ReadFrom(text, {0x00, 0x00}));
    EXPECT_STREQ(text.c_str(), "");
}

TEST(Stringc, EveryTruncatedRecordFailsAndLeavesTheTextEmpty) {
    const Bytes stored{0x04, 0x00, 0x61, 0x62, 0x63, 0x00};
    for (size_t length = 0; length < stored.size(); ++length) {
        Stringc text("old");
        text.AppendToChain("chained");
        EXPECT_FALSE(ReadFrom(text, Bytes(stored.begin(), stored.begin() + length))) << length;
        EXPECT_STREQ(text.c_str(), "");
        EXPECT_EQ(text.ChainCount(), 1);
    }
    Stringc text;
    EXPECT_FALSE(ReadFrom(text, {0xFF, 0xFF, 0x61})); // a forged count
}

TEST(Stringc, RecordWithoutItsNulStillEndsTheText) {
    Stringc text;
    EXPECT_TRUE(ReadFrom(text, {0x03, 0x00, 0x61, 0x62, 0x63, 0x7A}));
    EXPECT_STREQ(text.c_str(), "abc");
}

TEST(Stringc, WriteRefusesWhatSixteenBitsCannotCount) {
    TestStream stream;
    EXPECT_FALSE(Stringc(std::string(65535, 'x').c_str()).Write(stream));
    EXPECT_TRUE(stream.GetBytes().empty());
    EXPECT_TRUE(Stringc(std::string(65534, 'x').c_str()).Write(stream));
    EXPECT_EQ(stream.GetBytes().size(), 2u + 65535u);

    stream.Close();
    EXPECT_FALSE(Stringc("abc").Write(stream));
}

TEST(Stringc, PathsSplitAtTheLastSlashAndTheNamesOwnDot) {
    Stringc path("data/maps/town.map");
    EXPECT_STREQ(path.FileName().c_str(), "town");
    EXPECT_STREQ(path.c_str(), "town");
    path = "town.map";
    EXPECT_STREQ(path.FileName().c_str(), "town");
    path = "/a/my.game/town";
    EXPECT_FALSE(path.HasExtension());
    EXPECT_STREQ(path.FileName().c_str(), "town");
    path = "data/.hidden";
    EXPECT_FALSE(path.HasExtension());
    EXPECT_STREQ(path.StripExtension(), "data/.hidden");

    path = "data/maps/town.map";
    EXPECT_STREQ(path.Directory().c_str(), "data/maps");
    EXPECT_STREQ(path.c_str(), "data/maps");
    path = "town.map";
    EXPECT_STREQ(path.Directory().c_str(), "");
    EXPECT_STREQ(path.c_str(), "");

    path = "a.b.c";
    EXPECT_STREQ(path.Extension().c_str(), "c");
    path = "abc";
    EXPECT_STREQ(path.Extension().c_str(), "");
    EXPECT_STREQ(path.c_str(), "abc");

    Stringc directory("x"), name("y");
    Stringc("art/ui/button.tga").SplitPath(directory, name);
    EXPECT_STREQ(directory.c_str(), "art/ui");
    EXPECT_STREQ(name.c_str(), "button.tga");
}

TEST(Stringc, ComparisonsIgnoreCase) {
    EXPECT_TRUE(Stringc("Town") == "TOWN");
    EXPECT_TRUE(Stringc("apple") < Stringc("Banana"));
    EXPECT_TRUE(Stringc("") == nullptr);
    EXPECT_TRUE(Stringc("b") >= "B");
}

TEST(Stringc, AssignmentCopiesTheHeadAndOneChainedString) {
    Stringc source("one");
    source.AppendToChain("two");
    source.AppendToChain("three");
    Stringc target("old");
    target.AppendToChain("old chain");
    target = source;
    EXPECT_EQ(target.ChainCount(), 2);
    EXPECT_STREQ(target.ChainAt(1)->c_str(), "two");

    // The source may be the target or live inside the chain being replaced.
    source = source;
    EXPECT_STREQ(source.c_str(), "one");
    EXPECT_EQ(source.ChainCount(), 2);
    source.AppendToChain("three");
    source = *source.ChainAt(1);
    EXPECT_STREQ(source.c_str(), "two");
    EXPECT_STREQ(source.ChainAt(1)->c_str(), "three");
    source = source.c_str() + 1;
    EXPECT_STREQ(source.c_str(), "wo");
    source += source;
    EXPECT_STREQ(source.c_str(), "wowo");
}

TEST(Stringc, InsertSortedKeepsAscendingOrderBeforeEqualNames) {
    Stringc* head = nullptr;
    for (const char* name : {"b", "C", "a", "B"})
        head = (NEW Stringc(name))->InsertSorted(head);
    std::string order;
    for (int i = 0; i < head->ChainCount(); ++i)
        order += head->ChainAt(i)->c_str();
    EXPECT_EQ(order, "aBbC");
    DELETE head;
}

TEST(Stringc, PadNumberPadsOrGivesUp) {
    Stringc text;
    EXPECT_STREQ(text.PadNumber(7, 3).c_str(), "007");
    EXPECT_STREQ(text.PadNumber(1234, 3).c_str(), "1234");
    EXPECT_STREQ(text.PadNumber(12345, 3).c_str(), "");
    EXPECT_STREQ(text.PadNumber(7, 0).c_str(), "");
    EXPECT_STREQ(text.c_str(), "");
}

TEST(Stringc, NumberListsBecomeFlagsOrPackedBytes) {
    EXPECT_EQ(Stringc("255|0|128").ToPackedBytes(), 0xFF0080u);
    EXPECT_EQ(Stringc("1|2|3").ToPackedBytes(), 0x010203u);
    EXPECT_EQ(Stringc("1|2|3|4|5").ToPackedBytes(), 0x02030405u); // the first is pushed out
    EXPECT_EQ(Stringc("1|2|0x10").ToFlags(), 19u);
    EXPECT_EQ(Stringc("010").ToFlags(), 8u);
    EXPECT_EQ(Stringc("0x80000000|1").ToFlags(), 0x80000001u);
}

TEST(Stringc, NextWordTakesWordsOffTheFront) {
    Stringc text("Go north\nnow");
    bool newline = true;
    EXPECT_STREQ(text.NextWord(newline).c_str(), "Go ");
    EXPECT_FALSE(newline);
    EXPECT_STREQ(text.NextWord(newline).c_str(), "north ");
    EXPECT_TRUE(newline);
    EXPECT_STREQ(text.NextWord(newline).c_str(), "now");
    EXPECT_STREQ(text.c_str(), "");
    EXPECT_STREQ(text.NextWord(newline).c_str(), "");
    text = " x";
    EXPECT_STREQ(text.NextWord(newline).c_str(), " ");
    EXPECT_STREQ(text.c_str(), "x");
}

TEST(Stringc, SubstringsClampOutOfRangeCounts) {
    const Stringc text("abcdef");
    EXPECT_STREQ(text.Left(-2).c_str(), "");
    EXPECT_STREQ(text.Left(10).c_str(), "abcdef");
    EXPECT_STREQ(text.Right(2).c_str(), "ef");
    EXPECT_STREQ(text.Right(10).c_str(), "abcdef");
    EXPECT_STREQ(text.Mid(1, 3).c_str(), "bc");
    EXPECT_STREQ(text.Mid(3, 3).c_str(), "");
    EXPECT_STREQ(text.Mid(2, 7).c_str(), "");
    EXPECT_STREQ(Stringc("abc", -1).c_str(), "");
    EXPECT_STREQ(text.RightPtr(-1), "");
    EXPECT_EQ(text.FindText("cd"), 3);
    EXPECT_EQ(text.Find('z'), -1);
    EXPECT_EQ(text.FindLast('a'), text.c_str());
}

TEST(Stringc, EditsInPlace) {
    Stringc text("  two words  ");
    text.Trim();
    EXPECT_STREQ(text.c_str(), "  two words");
    text.TrimLeft();
    EXPECT_STREQ(text.c_str(), "two words");
    text = "   ";
    text.Trim();
    EXPECT_STREQ(text.c_str(), "");

    Stringc out;
    Stringc::ReplaceAll("a-b-c", "-", "--", out);
    EXPECT_STREQ(out.c_str(), "a--b--c");
    Stringc::ReplaceAll(out.c_str(), "--", "", out);
    EXPECT_STREQ(out.c_str(), "abc");

    EXPECT_EQ(text.Format("%s", std::string(2000, 'x').c_str()), Stringc::kMaxFormatLength);
    EXPECT_EQ(text.Length(), Stringc::kMaxFormatLength);
}

TEST(Stringc, NumbersInTheRuntimeForms) {
    EXPECT_STREQ(Stringc(12.0).c_str(), "12.");
    EXPECT_STREQ(Stringc(-5).c_str(), "-5");
    const Stringc left("x");
    const Stringc joined = left + 4u + "y" + 0.5;
    EXPECT_STREQ(joined.c_str(), "x4y0.5");
    EXPECT_STREQ(left.c_str(), "x");
    Stringc text;
    text = 'q';
    EXPECT_STREQ(text.c_str(), "q");
    text = '\0';
    EXPECT_STREQ(text.c_str(), "");
}
