#include "Library/files/mem_stream.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/file_stream.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

namespace {

using testsupport::BytesOf;
using testsupport::PackedBlock;
using testsupport::ReadableStream;
using testsupport::Word;

std::string Patterned(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31) ^ (i >> 9));
    return bytes;
}

// The unpacked bytes, or false with the target left closed. A block unpacked from memory
// must give the same, bytes or failure, as one read from a stream and unpacked.
bool Unpack(const std::string& block, std::string& out) {
    TestStream source(block);
    MemStream target(kStreamReadBinary);
    MemStream fromMemory(kStreamReadBinary);
    const bool unpacked = target.ReadFrom(source) && target.Uncompress();
    EXPECT_EQ(fromMemory.UnpackFrom(reinterpret_cast<const uint8_t*>(block.data()), block.size()),
              unpacked);
    if (unpacked) {
        out = BytesOf(target);
        EXPECT_TRUE(BytesOf(fromMemory) == out);
        return true;
    }
    char byte;
    EXPECT_EQ(target.Read(&byte, 1), kStreamError);
    EXPECT_EQ(fromMemory.Read(&byte, 1), kStreamError);
    return false;
}

TEST(MemStream, ModesRefuseTheWrongDirection) {
    char byte = 'x';
    EXPECT_EQ(MemStream(kStreamReadBinary).Write(&byte, 1), kStreamWriteOnRead);
    EXPECT_EQ(MemStream(kStreamWriteBinary).Read(&byte, 1), kStreamReadOnWrite);
    EXPECT_EQ(MemStream(kStreamClosed).Read(&byte, 1), kStreamError);
    EXPECT_EQ(MemStream(kStreamClosed).Write(&byte, 1), kStreamError);
}

TEST(MemStream, ReadsUpToTheSizeAndNotOneByteMore) {
    auto stream = ReadableStream("0123456789");
    char bytes[11] = {};
    ASSERT_EQ(stream->Read(bytes, 10), kStreamOk);
    EXPECT_STREQ(bytes, "0123456789");
    ASSERT_EQ(stream->SeekEnd(-3), 7);
    EXPECT_EQ(stream->SeekCur(4), -1);
    EXPECT_EQ(stream->Read(bytes, 4), kStreamError);
    EXPECT_EQ(stream->Tell(), 7);
}

TEST(MemStream, WritingGrowsPastTheEndAndKeepsTheData) {
    MemStream stream(kStreamWriteBinary);
    const std::string bytes = Patterned(2000);
    ASSERT_EQ(stream.Write(bytes.data(), 2000), kStreamOk);
    EXPECT_EQ(stream.GetCapacity(), 3028);
    ASSERT_EQ(stream.SeekSet(1000), 1000);
    const std::string tail(2100, 't');
    ASSERT_EQ(stream.Write(tail.data(), 2100), kStreamOk);
    EXPECT_GE(stream.GetCapacity(), 1000 + 2100 + 1028);
    EXPECT_EQ(BytesOf(stream), bytes.substr(0, 1000) + tail);
}

TEST(MemStream, PackedBlockIsHeaderWordsThenZlibData) {
    const std::string bytes = "a line, a line, a line, the same line again";
    std::string zlibData(100, '\0');
    uLongf zlibSize = 100;
    ASSERT_EQ(compress(reinterpret_cast<Bytef*>(zlibData.data()), &zlibSize,
                       reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()),
              Z_OK);
    const uint32_t packed = static_cast<uint32_t>(zlibSize);
    EXPECT_EQ(PackedBlock(bytes), Word(static_cast<uint32_t>(bytes.size())) + Word(packed) +
                                      Word(packed) + zlibData.substr(0, zlibSize));
    // An empty stream still packs to a zlib stream of its own.
    EXPECT_EQ(PackedBlock("").substr(0, 12), Word(0) + Word(8) + Word(8));
}

TEST(MemStream, UnpackedBlockGivesBackTheBytes) {
    for (const size_t size : {size_t{0}, size_t{1}, size_t{1} << 20}) {
        const std::string bytes = Patterned(size);
        std::string unpacked;
        ASSERT_TRUE(Unpack(PackedBlock(bytes), unpacked)) << size;
        EXPECT_TRUE(unpacked == bytes) << size;
    }
}

// One stream takes block after block, larger and smaller than the last: each time its size
// and bytes are the block's alone, read from the start.
TEST(MemStream, OneStreamUnpacksBlockAfterBlock) {
    MemStream target(kStreamReadBinary);
    for (const size_t size : {size_t{5000}, size_t{10}, size_t{0}, size_t{4000}, size_t{6000}}) {
        const std::string block = PackedBlock(Patterned(size) + std::to_string(size));
        ASSERT_TRUE(target.UnpackFrom(reinterpret_cast<const uint8_t*>(block.data()), block.size()));
        EXPECT_TRUE(BytesOf(target) == Patterned(size) + std::to_string(size)) << size;
    }
}

TEST(MemStream, TruncatedForgedOrDamagedBlocksFail) {
    const std::string block = PackedBlock(Patterned(300));
    std::string unpacked;
    for (size_t length = 0; length < block.size(); ++length)
        EXPECT_FALSE(Unpack(block.substr(0, length), unpacked)) << length;
    // Unpacked sizes absurd, beyond what deflate reaches, one short and one over.
    const uint32_t dataSize = static_cast<uint32_t>(block.size() - 12);
    for (const uint32_t size : {0xFFFFFFFFu, dataSize * 1033u, 299u, 301u})
        EXPECT_FALSE(Unpack(Word(size) + block.substr(4), unpacked)) << size;
    EXPECT_FALSE(Unpack(block.substr(0, 8) + Word(0x7FFFFFF0u) + block.substr(12), unpacked));
    std::string damaged = block;
    damaged[20] = static_cast<char>(damaged[20] ^ 0x55);
    EXPECT_FALSE(Unpack(damaged, unpacked));
    // Data running on past the packed stream: a size that lies.
    EXPECT_FALSE(
        Unpack(block.substr(0, 8) + Word(dataSize + 1) + block.substr(12) + "x", unpacked));
}

TEST(MemStream, SavesToAndLoadsFromFiles) {
    testsupport::ScratchDir dir;
    const std::string path = dir.Path("all.bin");
    MemStream written(kStreamWriteBinary);
    ASSERT_EQ(written.Write("whole file", 10), kStreamOk);
    {
        FileStream file(path.c_str(), kStreamWriteBinary);
        EXPECT_TRUE(written.SaveAll(file));
    }
    FileStream file(path.c_str(), kStreamReadBinary);
    MemStream loaded(kStreamReadBinary);
    ASSERT_TRUE(loaded.LoadAll(file));
    EXPECT_EQ(BytesOf(loaded), "whole file");
    // A target that refuses the write closes the memory stream.
    EXPECT_FALSE(written.SaveAll(file));
    EXPECT_FALSE(written.IsOpen());
}

TEST(MemStream, LinesStopAtLineEndsAndAtTheEndOfTheData) {
    auto stream = ReadableStream("# note\r\nfirst\r\n\r\n\nsecond line\nlast");
    char line[32];
    for (const char* expected : {"first", "second line", "last"}) {
        ASSERT_TRUE(stream->ReadLine(line, sizeof line));
        EXPECT_STREQ(line, expected);
    }
    EXPECT_FALSE(stream->ReadLine(line, sizeof line));

    auto longLine = ReadableStream("abcdefg");
    for (const char* expected : {"abcdef", "g"}) {
        ASSERT_TRUE(longLine->CopyLine(line, 7));
        EXPECT_STREQ(line, expected);
    }
    EXPECT_FALSE(longLine->CopyLine(line, 7));

    // A one-byte buffer holds no character: each line reads as empty and is passed over.
    auto tiny = ReadableStream("ab\ncd");
    ASSERT_TRUE(tiny->CopyLine(line, 1));
    EXPECT_STREQ(line, "");
    ASSERT_EQ(tiny->Tell(), 3);
    EXPECT_FALSE(tiny->ReadLine(line, 1));
}

} // namespace
