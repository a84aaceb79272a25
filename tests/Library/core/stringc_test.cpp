#include "Library/core/stringc.h"

#include "test_stream_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Stringc, StoredFormIsByteExactAndEveryTruncationFailsEmpty) {
    const Bytes stored{0x04, 0x00, 0x61, 0x62, 0x63, 0x00};
    EXPECT_EQ(StoredForm(Stringc()), (Bytes{0x00, 0x00}));
    EXPECT_EQ(StoredForm(Stringc("abc")), stored);
    Stringc text("old");
    EXPECT_TRUE(ReadFrom(text, stored));
    EXPECT_STREQ(text.c_str(), "abc");
    EXPECT_TRUE(ReadFrom(text, {0x03, 0x00, 0x61, 0x62, 0x63, 0x7A})); // no NUL stored
    EXPECT_STREQ(text.c_str(), "abc");

    for (size_t length = 0; length < stored.size(); ++length) {
        Stringc cut("old");
        cut.AppendToChain("chained");
        EXPECT_FALSE(ReadFrom(cut, Bytes(stored.begin(), stored.begin() + length))) << length;
        EXPECT_STREQ(cut.c_str(), "");
        EXPECT_EQ(cut.ChainCount(), 1);
    }
    EXPECT_FALSE(ReadFrom(text, {0xFF, 0xFF, 0x61})); // a forged count
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
    struct Case {
        const char* path;
        Stringc (Stringc::*part)();
        const char* result;
    };
    for (const Case& c :
         {Case{"data/maps/town.map", &Stringc::FileName, "town"},
          Case{"town.map", &Stringc::FileName, "town"},
          Case{"/a/my.game/town", &Stringc::FileName, "town"},
          Case{"data/maps/town.map", &Stringc::Directory, "data/maps"},
          Case{"town.map", &Stringc::Directory, ""}, Case{"a.b.c", &Stringc::Extension, "c"},
          Case{"abc", &Stringc::Extension, ""}}) {
        Stringc path(c.path);
        EXPECT_STREQ((path.*c.part)().c_str(), c.result) << c.path;
    }
    Stringc hidden("data/.hidden");
    EXPECT_FALSE(hidden.HasExtension());
    EXPECT_STREQ(hidden.StripExtension(), "data/.hidden");
    Stringc directory("x"), name("y");
    Stringc("art/ui/button.tga").SplitPath(directory, name);
    EXPECT_STREQ(directory.c_str(), "art/ui");
    EXPECT_STREQ(name.c_str(), "button.tga");
}

TEST(Stringc, AssignmentIsSafeFromItselfAndFromItsOwnChain) {
    Stringc source("one");
    source.AppendToChain("two");
    source.AppendToChain("three");
    Stringc target("old");
    target.AppendToChain("old chain");
    target = source;
    EXPECT_EQ(target.ChainCount(), 2);
    EXPECT_STREQ(target.ChainAt(1)->c_str(), "two");

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

// The state names a creature's look is set from are copied over and over.
TEST(Stringc, ATextOfThePresentLengthGoesIntoThePresentBuffer) {
    Stringc name("w0");
    const char* buffer = name.c_str();
    name = Stringc("s0");
    name.SetText(name.c_str());
    EXPECT_STREQ(name.c_str(), "s0");
    name.SetTextN("d0 and more", 2);
    EXPECT_EQ(name.c_str(), buffer);
    EXPECT_STREQ(name.c_str(), "d0");
    name = "dead";
    EXPECT_STREQ(name.c_str(), "dead");

    Stringc chained("ab");
    chained.AppendToChain("cd");
    Stringc target("xy");
    target = chained; // the chain comes too
    EXPECT_STREQ(target.c_str(), "ab");
    ASSERT_EQ(target.ChainCount(), 2);
    EXPECT_STREQ(target.ChainAt(1)->c_str(), "cd");
}

TEST(Stringc, CountsOutOfRangeClampAndFormsStayBounded) {
    const Stringc text("abcdef");
    EXPECT_STREQ(text.Left(-2).c_str(), "");
    EXPECT_STREQ(text.Left(10).c_str(), "abcdef");
    EXPECT_STREQ(text.Right(10).c_str(), "abcdef");
    EXPECT_STREQ(text.Mid(2, 7).c_str(), "");
    EXPECT_STREQ(Stringc("abc", -1).c_str(), "");
    EXPECT_STREQ(text.RightPtr(-1), "");
    Stringc padded;
    EXPECT_STREQ(padded.PadNumber(7, 3).c_str(), "007");
    EXPECT_STREQ(padded.PadNumber(12345, 3).c_str(), "");
    EXPECT_EQ(Stringc("1|2|3|4|5").ToPackedBytes(), 0x02030405u); // the first is pushed out
    EXPECT_EQ(Stringc("0x80000000|1").ToFlags(), 0x80000001u);
    EXPECT_EQ(padded.Format("%s", std::string(2000, 'x').c_str()), Stringc::kMaxFormatLength);
    EXPECT_EQ(padded.Length(), Stringc::kMaxFormatLength);
}

TEST(Stringc, ReplaceAllMayWriteOverItsSource) {
    Stringc out;
    Stringc::ReplaceAll("a-b-c", "-", "--", out);
    EXPECT_STREQ(out.c_str(), "a--b--c");
    Stringc::ReplaceAll(out.c_str(), "--", "", out);
    EXPECT_STREQ(out.c_str(), "abc");
}

} // namespace
