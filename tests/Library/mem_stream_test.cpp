#include "Library/mem_stream.h"

#include "Library/file_stream.h"
#include "stream_support.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>

namespace {

using testsupport::BytesOf;
using testsupport::ReadableStream;

// Bytes that repeat at a long period, so zlib finds some matches but not many.
std::string Patterned(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31) ^ (i >> 9));
    return bytes;
}

std::string Word(uint32_t value) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

std::string PackedBlockOf(const std::string& bytes) {
    MemStream source(kStreamWriteBinary);
    EXPECT_EQ(source.Write(bytes.data(), static_cast<int>(bytes.size())), kStreamOk);
    EXPECT_TRUE(source.Compress());
    MemStream block(kStreamWriteBinary);
    EXPECT_TRUE(source.WriteTo(block));
    return BytesOf(block);
}

// Reads a packed block and unpacks it; the bytes, or nothing when either step failed.
bool Unpack(const std::string& block, std::string& out) {
    auto source = ReadableStream(block);
    MemStream target(kStreamReadBinary);
    if (!target.ReadFrom(*source) || !target.Uncompress()) {
        EXPECT_FALSE(target.IsOpen());
        char byte;
        EXPECT_EQ(target.Read(&byte, 1), kStreamError);
        return false;
    }
    out = BytesOf(target);
    return true;
}

TEST(MemStream, ModesRefuseTheWrongDirection) {
    char byte = 'x';
    MemStream reading(kStreamReadBinary);
    EXPECT_EQ(reading.Write(&byte, 1), kStreamWriteOnRead);
    MemStream readingText(kStreamReadText);
    EXPECT_EQ(readingText.Write(&byte, 1), kStreamWriteOnRead);
    MemStream writing(kStreamWriteBinary);
    EXPECT_EQ(writing.Read(&byte, 1), kStreamReadOnWrite);
    MemStream writingText(kStreamWriteText);
    EXPECT_EQ(writingText.Read(&byte, 1), kStreamReadOnWrite);

    MemStream closed(kStreamClosed);
    EXPECT_EQ(closed.CheckOpen(), kStreamError);
    EXPECT_EQ(closed.Read(&byte, 1), kStreamError);
    EXPECT_EQ(closed.Write(&byte, 1), kStreamError);
    EXPECT_EQ(closed.SeekSet(0), -1);
    EXPECT_EQ(closed.Tell(), -1);
    EXPECT_EQ(closed.Size(), -1);
    EXPECT_FALSE(closed.Compress());
    EXPECT_FALSE(MemStream(static_cast<StreamMode>(5)).IsOpen());
}

TEST(MemStream, ReadsUpToTheSizeAndNotOneByteMore) {
    auto stream = ReadableStream("0123456789");
    char bytes[11] = {};
    ASSERT_EQ(stream->Read(bytes, 4), kStreamOk);
    ASSERT_EQ(stream->Read(bytes + 4, 6), kStreamOk);
    EXPECT_STREQ(bytes, "0123456789");
    EXPECT_EQ(stream->Remaining(), 0);

    ASSERT_EQ(stream->SeekSet(7), 7);
    char spare[4] = {'-', '-', '-', '-'};
    EXPECT_EQ(stream->Read(spare, 4), kStreamError);
    EXPECT_EQ(std::string(spare, 4), "----");
    EXPECT_EQ(stream->Tell(), 7);
    EXPECT_EQ(stream->Read(spare, -1), kStreamError);
}

TEST(MemStream, SeeksStayWithinTheData) {
    auto stream = ReadableStream("abcdef");
    EXPECT_EQ(stream->SeekEnd(0), 6);
    EXPECT_EQ(stream->SeekEnd(1), -1);
    EXPECT_EQ(stream->SeekCur(-2), 4);
    EXPECT_EQ(stream->SeekCur(-5), -1);
    EXPECT_EQ(stream->SeekSet(-1), -1);
    EXPECT_EQ(stream->Tell(), 4);
    EXPECT_EQ(stream->Remaining(), 2);
}

TEST(MemStream, WritingGrowsPastTheEndAndKeepsTheData) {
    MemStream stream(kStreamWriteBinary);
    EXPECT_EQ(stream.GetCapacity(), 1028);
    const std::string bytes = Patterned(2000);
    ASSERT_EQ(stream.Write(bytes.data(), 2000), kStreamOk);
    EXPECT_EQ(stream.GetCapacity(), 3028);

    ASSERT_EQ(stream.SeekSet(1000), 1000);
    ASSERT_EQ(stream.Write("xyz", 3), kStreamOk);
    EXPECT_EQ(stream.Size(), 2000);
    ASSERT_EQ(stream.SeekEnd(0), 2000);
    const std::string tail(2000, 't');
    ASSERT_EQ(stream.Write(tail.data(), 2000), kStreamOk);
    EXPECT_EQ(stream.GetCapacity(), 5028);
    EXPECT_EQ(BytesOf(stream), bytes.substr(0, 1000) + "xyz" + bytes.substr(1003) + tail);

    stream.Reset();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.GetCapacity(), 5028);
}

TEST(MemStream, PackedBlockIsHeaderWordsThenZlibData) {
    const std::string bytes = "a line, a line, a line, the same line again";
    std::string zlibData(100, '\0');
    uLongf zlibSize = 100;
    ASSERT_EQ(compress(reinterpret_cast<Bytef*>(zlibData.data()), &zlibSize,
                       reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()),
              Z_OK);
    zlibData.resize(zlibSize);
    const uint32_t packed = static_cast<uint32_t>(zlibSize);
    EXPECT_EQ(PackedBlockOf(bytes),
              Word(static_cast<uint32_t>(bytes.size())) + Word(packed) + Word(packed) + zlibData);

    // An empty stream still packs to a zlib stream of its own.
    const std::string empty = PackedBlockOf("");
    ASSERT_EQ(empty.size(), 12u + 8u);
    EXPECT_EQ(empty.substr(0, 12), Word(0) + Word(8) + Word(8));
}

TEST(MemStream, UnpackedBlockGivesBackTheBytes) {
    for (const size_t size : {size_t{0}, size_t{1}, size_t{1} << 20}) {
        const std::string bytes = Patterned(size);
        std::string unpacked;
        ASSERT_TRUE(Unpack(PackedBlockOf(bytes), unpacked)) << size;
        EXPECT_TRUE(unpacked == bytes) << size;
    }
}

TEST(MemStream, EveryTruncatedBlockFailsAndClosesTheStream) {
    const std::string block = PackedBlockOf(Patterned(300));
    for (size_t length = 0; length < block.size(); ++length) {
        std::string unpacked;
        EXPECT_FALSE(Unpack(block.substr(0, length), unpacked)) << length;
    }
}

TEST(MemStream, ForgedSizesAndDamagedDataFail) {
    const std::string bytes = Patterned(300);
    const std::string block = PackedBlockOf(bytes);
    const std::string data = block.substr(12);
    const uint32_t dataSize = static_cast<uint32_t>(data.size());
    std::string unpacked;
    // Unpacked size: absurd, beyond what deflate can reach, one short, one over.
    for (const uint32_t unpackedSize : {0xFFFFFFFFu, dataSize * 1033u, 299u, 301u})
        EXPECT_FALSE(Unpack(Word(unpackedSize) + block.substr(4), unpacked)) << unpackedSize;
    // A data size beyond the bytes present.
    EXPECT_FALSE(Unpack(block.substr(0, 8) + Word(0x7FFFFFF0u) + data, unpacked));
    // Damaged zlib data.
    std::string damaged = block;
    damaged[20] = static_cast<char>(damaged[20] ^ 0x55);
    EXPECT_FALSE(Unpack(damaged, unpacked));
    EXPECT_TRUE(Unpack(block, unpacked));
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
    EXPECT_EQ(dir.ReadFile("all.bin"), "whole file");

    FileStream file(path.c_str(), kStreamReadBinary);
    MemStream loaded(kStreamReadBinary);
    ASSERT_TRUE(loaded.LoadAll(file));
    EXPECT_EQ(loaded.Tell(), 0);
    EXPECT_EQ(BytesOf(loaded), "whole file");

    // Saving into a stream that refuses the write closes the memory stream.
    EXPECT_FALSE(written.SaveAll(file));
    EXPECT_FALSE(written.IsOpen());
    FileStream missing(dir.Path("missing").c_str(), kStreamReadBinary);
    EXPECT_FALSE(loaded.LoadAll(missing));
}

TEST(MemStream, LinesStopAtLineEndsAndAtTheEndOfTheData) {
    auto stream = ReadableStream("# note\r\nfirst\r\n\r\n\nsecond line\nlast");
    char line[32];
    ASSERT_TRUE(stream->ReadLine(line, sizeof line));
    EXPECT_STREQ(line, "first");
    ASSERT_TRUE(stream->ReadLine(line, sizeof line));
    EXPECT_STREQ(line, "second line");
    ASSERT_TRUE(stream->ReadLine(line, sizeof line));
    EXPECT_STREQ(line, "last");
    EXPECT_FALSE(stream->ReadLine(line, sizeof line));

    // A line longer than the buffer comes in pieces of count - 1 characters.
    auto longLine = ReadableStream("abcdefg");
    char piece[4];
    ASSERT_TRUE(longLine->CopyLine(piece, sizeof piece));
    EXPECT_STREQ(piece, "abc");
    ASSERT_TRUE(longLine->CopyLine(piece, sizeof piece));
    ASSERT_TRUE(longLine->CopyLine(piece, sizeof piece));
    EXPECT_STREQ(piece, "g");
    EXPECT_FALSE(longLine->CopyLine(piece, sizeof piece));
}

} // namespace
