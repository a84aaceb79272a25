#pragma once
// Streams for serialiser tests: a byte-vector Stream whose written bytes can be inspected
// and which reads back any byte sequence, and helpers between memory streams and bytes.

#include "Library/core/stream.h"
#include "Library/files/mem_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class TestStream : public Stream {
public:
    TestStream() { m_mode = kStreamWriteBinary; }
    explicit TestStream(Bytes bytes) : m_bytes(std::move(bytes)) { m_mode = kStreamReadBinary; }
    explicit TestStream(const std::string& bytes) : TestStream(Bytes(bytes.begin(), bytes.end())) {}

    const Bytes& GetBytes() const { return m_bytes; }
    void Close() { m_mode = kStreamClosed; }

    void Reset() override {
        m_bytes.clear();
        m_position = 0;
    }
    int Read(void* buffer, int count) override {
        if (m_mode != kStreamReadBinary)
            return m_mode == kStreamClosed ? kStreamError : kStreamReadOnWrite;
        if (count < 0 || m_position + count > static_cast<long>(m_bytes.size()))
            return kStreamError;
        if (count > 0)
            std::memcpy(buffer, m_bytes.data() + m_position, count);
        m_position += count;
        return kStreamOk;
    }
    int Write(const void* buffer, int count) override {
        if (m_mode != kStreamWriteBinary)
            return m_mode == kStreamClosed ? kStreamError : kStreamWriteOnRead;
        const auto* bytes = static_cast<const uint8_t*>(buffer);
        m_bytes.insert(m_bytes.end(), bytes, bytes + count);
        m_position = static_cast<long>(m_bytes.size());
        return kStreamOk;
    }
    long SeekSet(long offset) override { return Seek(offset); }
    long SeekCur(long offset) override { return Seek(m_position + offset); }
    long SeekEnd(long offset) override { return Seek(Size() + offset); }
    long Tell() const override { return m_position; }
    long Size() const override { return static_cast<long>(m_bytes.size()); }

private:
    long Seek(long position) {
        if (position < 0 || position > Size())
            return -1;
        return m_position = position;
    }

    Bytes m_bytes;
    long m_position = 0;
};

// The bytes obj.Write leaves in a fresh stream.
template <class T> Bytes StoredForm(const T& object) {
    TestStream stream;
    object.Write(stream);
    return stream.GetBytes();
}

// The bytes write(stream) leaves in a fresh stream; a write that fails fails the test.
template <class Write> Bytes WrittenBy(Write write) {
    TestStream stream;
    EXPECT_TRUE(write(stream));
    return stream.GetBytes();
}

// obj.Read from a fresh stream holding the bytes.
template <class T> bool ReadFrom(T& object, Bytes bytes) {
    TestStream stream(std::move(bytes));
    return object.Read(stream);
}

// The stored form reads back byte-exact, and every prefix of it fails leaving the target
// as it was.
template <class T> void ExpectRoundTripAndTruncationsFail(const Bytes& stored, T& target) {
    ASSERT_TRUE(ReadFrom(target, stored));
    EXPECT_EQ(StoredForm(target), stored);
    for (size_t length = 0; length < stored.size(); ++length) {
        EXPECT_FALSE(ReadFrom(target, Bytes(stored.begin(), stored.begin() + length))) << length;
        EXPECT_EQ(StoredForm(target), stored) << length;
    }
}

// Expected stored bytes typed field by field, little-endian, as a format's table lists them.
class TypedBytes {
public:
    TypedBytes& U8(uint8_t value) { return Put(value); }
    TypedBytes& U16(uint16_t value) { return Put(value); }
    TypedBytes& I16(int16_t value) { return Put(value); }
    TypedBytes& U32(uint32_t value) { return Put(value); }
    TypedBytes& I32(int32_t value) { return Put(value); }
    TypedBytes& F32(float value) { return Put(value); }
    TypedBytes& F64(double value) { return Put(value); }
    // The Stringc form: u16 length + 1 and the text with its NUL; "" is u16 0 alone.
    TypedBytes& Text(const std::string& text) {
        if (text.empty())
            return U16(0);
        U16(static_cast<uint16_t>(text.size() + 1));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return U8(0);
    }
    TypedBytes& Zeros(size_t count) {
        m_bytes.insert(m_bytes.end(), count, 0);
        return *this;
    }

    const Bytes& Get() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

private:
    template <class T> TypedBytes& Put(T value) {
        uint8_t bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof value);
        return *this;
    }

    Bytes m_bytes;
};

// The same for objects stored through Save and Load.
template <class T> Bytes SavedForm(T& object) {
    TestStream stream;
    EXPECT_TRUE(object.Save(stream));
    return stream.GetBytes();
}
template <class T> bool LoadFrom(T& object, Bytes bytes) {
    TestStream stream(std::move(bytes));
    return object.Load(stream);
}
template <class T> void ExpectLoadRoundTripAndCutsFail(const Bytes& stored, T& target) {
    ASSERT_TRUE(LoadFrom(target, stored));
    EXPECT_EQ(SavedForm(target), stored);
    for (size_t length = 0; length < stored.size(); ++length) {
        EXPECT_FALSE(LoadFrom(target, Bytes(stored.begin(), stored.begin() + length))) << length;
        EXPECT_EQ(SavedForm(target), stored) << length;
    }
}

// The bytes without their last count.
inline Bytes Cut(const Bytes& bytes, size_t count = 1) {
    return Bytes(bytes.begin(), bytes.end() - static_cast<long>(count));
}

namespace testsupport {

// The valid data of a memory stream, whatever its position.
inline std::string BytesOf(const MemStream& stream) {
    return std::string(reinterpret_cast<const char*>(stream.GetBuffer()),
                       static_cast<size_t>(stream.GetSize()));
}

// A mode-1 memory stream holding the bytes.
inline std::unique_ptr<MemStream> ReadableStream(const std::string& bytes) {
    TestStream source(bytes);
    auto stream = std::make_unique<MemStream>(kStreamReadBinary);
    EXPECT_TRUE(stream->LoadAll(source));
    return stream;
}

// A 32-bit word as stored, low byte first.
inline std::string Word(uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

// The bytes packed into one block, as archives hold their entries.
inline std::string PackedBlock(const std::string& bytes) {
    MemStream source(kStreamWriteBinary);
    EXPECT_EQ(source.Write(bytes.data(), static_cast<int>(bytes.size())), kStreamOk);
    EXPECT_TRUE(source.Compress());
    MemStream block(kStreamWriteBinary);
    EXPECT_TRUE(source.WriteTo(block));
    return BytesOf(block);
}

} // namespace testsupport
