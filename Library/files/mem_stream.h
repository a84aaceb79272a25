#pragma once

#include "Library/core/stream.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// A growable heap buffer behind the Stream interface; it can pack itself with zlib,
// the form in which resources sit inside archives. Modes 1 and 3 read, 2 and 4 write.
class MemStream : public Stream {
public:
    static constexpr int kGrowStep = 1028; // also the capacity at construction

    explicit MemStream(StreamMode mode);
    ~MemStream() override;

    void Reset() override; // sizes to 0; the buffer stays allocated
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    long SeekSet(long offset) override; // positions outside [0, size] give -1
    long SeekCur(long offset) override;
    long SeekEnd(long offset) override;
    long Tell() const override;
    long Size() const override;

    // Packed block: u32 unpacked size, u32 packed size, u32 data size N, N bytes.
    virtual bool ReadFrom(Stream& source); // closes this stream on failure
    // A packed block lying in memory, unpacked: what ReadFrom and Uncompress give, into this
    // stream's buffer when it holds the unpacked size. available: the bytes from block on.
    bool UnpackFrom(const uint8_t* block, std::size_t available);
    virtual bool WriteTo(Stream& target) const;
    virtual bool LoadAll(Stream& source); // the whole source, position 0
    virtual bool SaveAll(Stream& target); // closes this stream when the write fails
    virtual bool Compress();              // closes this stream on failure
    virtual bool Uncompress();            // needs the recorded unpacked size; closes on failure

    // One line of at most count - 1 characters up to LF or NUL (both consumed, the CR
    // of CR LF dropped), NUL-terminated; false when no data is left.
    bool CopyLine(char* out, int count);
    // The next line not beginning with '#', CR, LF or NUL; false at the end.
    bool ReadLine(char* out, int count);

    // A write stream becomes a read stream over what was written, from its start.
    void ReadBack();

    int GetSize() const { return m_size; }
    int GetCapacity() const { return m_capacity; }
    uint8_t* GetBuffer() { return m_buffer.get(); }
    const uint8_t* GetBuffer() const { return m_buffer.get(); }

private:
    bool IsReading() const;
    long SeekTo(long position);
    void Grow(int capacity); // keeps the data
    bool Fail();             // closes the stream; false
    long TakeBlockHeader(const uint32_t (&header)[3], long remaining);
    bool Inflate(const uint8_t* packed, int packedSize); // m_unpackedSize bytes
    void ReplaceBuffer(std::unique_ptr<uint8_t[]> buffer, int capacity, int size);

    int m_position = 0;
    int m_size = 0;
    int m_capacity = 0;
    uint32_t m_unpackedSize = 0;
    uint32_t m_packedSize = 0;
    std::unique_ptr<uint8_t[]> m_buffer;
};
