#include "Library/files/file_stream.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
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
    EXPECT_EQ(FileStream(Path("data.bin").c_str(), kStreamReadBinary).Write(&byte, 1),
              kStreamWriteOnRead);
    EXPECT_EQ(FileStream(Path("out.bin").c_str(), kStreamWriteBinary).Read(&byte, 1),
              kStreamReadOnWrite);

    FileStream missing(Path("missing.bin").c_str(), kStreamReadBinary);
    EXPECT_EQ(missing.Read(&byte, 1), kStreamError);
    EXPECT_EQ(missing.Write(&byte, 1), kStreamError);
}

TEST_F(FileStreamTest, ReadsUpToTheSizeAndNotOneByteMore) {
    m_dir.WriteFile("data.bin", "0123456789");
    FileStream stream(Path("data.bin").c_str(), kStreamReadBinary);
    char bytes[11] = {};
    ASSERT_EQ(stream.Read(bytes, 10), kStreamOk);
    EXPECT_EQ(stream.Read(bytes, 1), kStreamError);
    EXPECT_EQ(stream.SeekEnd(-3), 7);
    EXPECT_EQ(stream.Remaining(), 3);
    EXPECT_EQ(stream.Read(bytes, 4), kStreamError);
}

TEST_F(FileStreamTest, WriteModesReplaceTheFileAndCutEndsItWhereWritingStands) {
    m_dir.WriteFile("old.bin", "a long old file");
    FileStream stream(Path("old.bin").c_str(), kStreamWriteBinary);
    ASSERT_EQ(stream.Write("0123456789", 10), kStreamOk);
    EXPECT_EQ(m_dir.ReadFile("old.bin"), "0123456789");
    ASSERT_EQ(stream.SeekSet(4), 4);
    ASSERT_EQ(stream.Write("ab", 2), kStreamOk);
    ASSERT_TRUE(stream.CutHere());
    stream.Close();
    EXPECT_EQ(m_dir.ReadFile("old.bin"), "0123ab");
    EXPECT_FALSE(stream.CutHere());
    EXPECT_FALSE(FileStream(Path("old.bin").c_str(), kStreamReadBinary).CutHere());
    EXPECT_EQ(m_dir.ReadFile("old.bin"), "0123ab");
}

// A map and its region: the old pair stays whole unless both new files were written.
TEST_F(FileStreamTest, APairIsReplacedOnlyWhenBothFilesAreWritten) {
    m_dir.WriteFile("a.map", "old map");
    m_dir.WriteFile("a.reg", "old region");
    const auto text = [](const char* bytes) {
        return [bytes](Stream& stream) {
            return stream.Write(bytes, static_cast<int>(std::string(bytes).size())) == kStreamOk;
        };
    };
    const auto fails = [](Stream&) { return false; };
    bool secondTried = false;
    EXPECT_FALSE(FileStream::WriteReplacingPair(Path("a.map").c_str(), fails, Path("a.reg").c_str(),
                                                [&](Stream&) { return secondTried = true; }));
    EXPECT_FALSE(secondTried);
    EXPECT_FALSE(FileStream::WriteReplacingPair(Path("a.map").c_str(), text("new map"),
                                                Path("a.reg").c_str(), fails));
    EXPECT_FALSE(FileStream::WriteReplacingPair(Path("a.map").c_str(), text("new map"),
                                                Path("no/such/dir/a.reg").c_str(), text("x")));
    EXPECT_EQ(m_dir.ReadFile("a.map"), "old map");
    EXPECT_EQ(m_dir.ReadFile("a.reg"), "old region");
    EXPECT_FALSE(std::filesystem::exists(Path("a.map.new")));
    EXPECT_FALSE(std::filesystem::exists(Path("a.reg.new")));

    EXPECT_TRUE(FileStream::WriteReplacingPair(Path("a.map").c_str(), text("new map"),
                                               Path("a.reg").c_str(), text("new region")));
    EXPECT_EQ(m_dir.ReadFile("a.map"), "new map");
    EXPECT_EQ(m_dir.ReadFile("a.reg"), "new region");
}

} // namespace
