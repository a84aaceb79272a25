#pragma once
// A fuzz input, or bytes a writer made, read through the Stream interface in place.

#include "Library/core/stream.h"
#include "Library/files/mem_stream.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

class FuzzStream : public Stream {
public:
    FuzzStream(const uint8_t* data, size_t size) : m_data(data), m_size(static_cast<long>(size)) {
        m_mode = kStreamReadBinary;
    }
    explicit FuzzStream(const std::string& bytes)
        : FuzzStream(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) {}

    void Reset() override { m_position = 0; }
    int Read(void* buffer, int count) override {
        if (count < 0 || count > m_size - m_position)
            return kStreamError;
        if (count > 0)
            std::memcpy(buffer, m_data + m_position, static_cast<size_t>(count));
        m_position += count;
        return kStreamOk;
    }
    int Write(const void*, int) override { return kStreamWriteOnRead; }
    long SeekSet(long offset) override { return Seek(offset); }
    long SeekCur(long offset) override { return Seek(m_position + offset); }
    long SeekEnd(long offset) override { return Seek(m_size + offset); }
    long Tell() const override { return m_position; }
    long Size() const override { return m_size; }

private:
    long Seek(long position) {
        if (position < 0 || position > m_size)
            return -1;
        return m_position = position;
    }

    const uint8_t* m_data;
    long m_size;
    long m_position = 0;
};

// The bytes object.Write leaves in a fresh memory stream; a failed write ends the run.
template <class T> std::string StoredBytes(const T& object) {
    MemStream out(kStreamWriteBinary);
    if (!object.Write(out))
        std::abort();
    return std::string(reinterpret_cast<const char*>(out.GetBuffer()),
                       static_cast<size_t>(out.GetSize()));
}
