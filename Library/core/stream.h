#pragma once
// The byte stream every serialiser of the system reads and writes through.
// Files are little-endian and so is every machine we build for, so plain values
// travel as their memory bytes.

#include <cstdint>
#include <cstring>
#include <type_traits>

enum StreamMode : uint32_t {
    kStreamClosed = 0,
    kStreamReadBinary = 1,
    kStreamWriteBinary = 2,
    kStreamReadText = 3,
    kStreamWriteText = 4,
};

// Results of Read and Write.
enum StreamResult : int {
    kStreamOk = 0,
    kStreamWriteOnRead = 1,
    kStreamReadOnWrite = 2,
    kStreamError = 3, // also: closed, or fewer bytes than asked
};

class Stream {
public:
    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    virtual ~Stream() = default;

    virtual void Reset() = 0;
    virtual int CheckOpen() const { return m_mode != kStreamClosed ? kStreamOk : kStreamError; }
    virtual int Read(void* buffer, int count) = 0;
    virtual int Write(const void* buffer, int count) = 0;
    virtual long SeekSet(long offset) = 0; // new position, or -1
    virtual long SeekCur(long offset) = 0;
    virtual long SeekEnd(long offset) = 0;
    virtual long Tell() const = 0;
    virtual long Size() const = 0;

    StreamMode GetMode() const { return m_mode; }
    bool IsOpen() const { return m_mode != kStreamClosed; }
    // Bytes left to read; readers bound stored counts by it before allocating.
    long Remaining() const {
        const long size = Size();
        const long position = Tell();
        return size < 0 || position < 0 || position > size ? 0 : size - position;
    }

    template <class T> bool ReadValue(T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        return Read(&value, static_cast<int>(sizeof value)) == kStreamOk;
    }
    template <class T> bool WriteValue(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        return Write(&value, static_cast<int>(sizeof value)) == kStreamOk;
    }

protected:
    StreamMode m_mode = kStreamClosed;
};

// A plain value at a byte offset of a header or record already in memory, and back.
template <class T> T FieldAt(const uint8_t* bytes, long offset) {
    static_assert(std::is_trivially_copyable_v<T>);
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}
template <class T> void PutFieldAt(uint8_t* bytes, long offset, T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(bytes + offset, &value, sizeof value);
}
