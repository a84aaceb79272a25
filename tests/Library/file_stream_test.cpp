#include "Library/file_stream.h"

#include "stream_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FileStreamTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return m_dir.Path(name); }
    testsupport::ScratchDir m_dir;
};

TEST_F(FileStreamTest, ModesRefuseTheWrongDirection) {
    m_dir.WriteFile("data.bin", "0123456789");
    char byte = 0;
    FileStream reading(Path("data.bin").c_str(), kStreamReadBinary);
    ASSERT_TRUE(reading.IsOpen());
    EXPECT_EQ(reading.Write(&byte, 1), kStreamWriteOnRead);

    FileStream writing(Path("out.bin").c_str(), kStreamWriteBinary);
    ASSERT_TRUE(writing.IsOpen());
    EXPECT_EQ(writing.Read(&byte, 1), kStreamReadOnWrite);

    // The text modes report themselves as plain reading and writing once open.
    EXPECT_EQ(FileStream(Path("data.bin").c_str(), kStreamReadText).GetMode(), kStreamReadBinary);
    EXPECT_EQ(FileStream(Path("t.txt").c_str(), kStreamWriteText).GetMode(), kStreamWriteBinary);

    FileStream missing(Path("missing.bin").c_str(), kStreamReadBinary);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.CheckOpen(), kStreamError);
    EXPECT_EQ(missing.Read(&byte, 1), kStreamError);
    EXPECT_EQ(missing.Write(&byte, 1), kStreamError);
    EXPECT_EQ(missing.SeekSet(0), -1);
    EXPECT_EQ(missing.Tell(), -1);
    EXPECT_FALSE(FileStream(Path("data.bin").c_str(), kStreamClosed).IsOpen());
}

TEST_F(FileStreamTest, ReadsUpToTheSizeAndNotOneByteMore) {
    m_dir.WriteFile("data.bin", "0123456789");
    FileStream stream(Path("data.bin").c_str(), kStreamReadBinary);
    EXPECT_EQ(stream.Size(), 10);
    char bytes[11] = {};
    ASSERT_EQ(stream.Read(bytes, 10), kStreamOk);
    EXPECT_STREQ(bytes, "0123456789");
    EXPECT_EQ(stream.Read(bytes, 1), kStreamError);

    EXPECT_EQ(stream.SeekEnd(-3), 7);
    EXPECT_EQ(stream.Remaining(), 3);
    EXPECT_EQ(stream.Read(bytes, 4), kStreamError);
    stream.Reset();
    EXPECT_EQ(stream.Tell(), 0);
    EXPECT_EQ(stream.SeekCur(4), 4);
    EXPECT_EQ(stream.SeekSet(-1), -1);
}

TEST_F(FileStreamTest, WriteModesReplaceTheFileButUpdateKeepsItsTail) {
    m_dir.WriteFile("old.bin", "a long old file");
    {
        FileStream stream(Path("old.bin").c_str(), kStreamWriteBinary);
        EXPECT_EQ(stream.Size(), 0);
        ASSERT_EQ(stream.Write("new", 3), kStreamOk);
    }
    EXPECT_EQ(m_dir.ReadFile("old.bin"), "new");

    m_dir.WriteFile("archive.rsc", "0123456789");
    FileStream stream;
    ASSERT_TRUE(stream.OpenForUpdate(Path("archive.rsc").c_str()));
    EXPECT_EQ(stream.GetMode(), kStreamWriteBinary);
    EXPECT_EQ(stream.Size(), 10);
    ASSERT_EQ(stream.SeekSet(4), 4);
    ASSERT_EQ(stream.Write("ab", 2), kStreamOk);
    stream.Close();
    EXPECT_EQ(m_dir.ReadFile("archive.rsc"), "0123ab6789");

    ASSERT_TRUE(stream.OpenForUpdate(Path("fresh.rsc").c_str()));
    EXPECT_EQ(stream.Write("x", 1), kStreamOk);
    stream.Close();
    EXPECT_EQ(m_dir.ReadFile("fresh.rsc"), "x");
}

TEST_F(FileStreamTest, TextModeReadsLineEndsAsLineFeeds) {
    m_dir.WriteFile("lines.txt", "one\r\ntwo\r\n");
    FileStream stream(Path("lines.txt").c_str(), kStreamReadText);
    // Each runtime read returns fewer bytes than asked once CRs are dropped.
    char bytes[9] = {};
    ASSERT_EQ(stream.Read(bytes, 8), kStreamOk);
    EXPECT_STREQ(bytes, "one\ntwo\n");
    EXPECT_EQ(stream.Read(bytes, 1), kStreamError);

    stream.Reset();
    char more[10];
    EXPECT_EQ(stream.Read(more, 9), kStreamError);
}

} // namespace
