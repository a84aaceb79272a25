#include "Library/files/mem_stream.h"

#include "Library/core/tracked_new.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Deflate cannot pack better than this, so a larger recorded size is forged.
constexpr uint64_t kMaxInflateRatio = 1032;

std::unique_ptr<uint8_t[]> AllocateBytes(int count) {
    return std::unique_ptr<uint8_t[]>(NEW uint8_t[count > 0 ? count : 1]);
}

// Packing stays on zlib so archives keep their bytes; unpacking, done for every resource
// loaded, takes the faster decoder of the same format. One per thread, kept: making one
// costs more than unpacking a small entry.
libdeflate_decompressor* Decompressor() {
    struct Free {
        void operator()(libdeflate_decompressor* decompressor) const {
            libdeflate_free_decompressor(decompressor);
        }
    };
    thread_local const std::unique_ptr<libdeflate_decompressor, Free> decompressor(
        libdeflate_alloc_decompressor());
    return decompressor.get();
}

} // namespace

MemStream::MemStream(StreamMode mode) {
    if (mode < kStreamReadBinary || mode > kStreamWriteText)
        return;
    m_buffer = AllocateBytes(kGrowStep);
    m_capacity = kGrowStep;
    m_mode = mode;
}

MemStream::~MemStream() = default;

void MemStream::ReadBack() {
    if (m_mode == kStreamWriteBinary || m_mode == kStreamWriteText)
        m_mode = m_mode == kStreamWriteBinary ? kStreamReadBinary : kStreamReadText;
    m_position = 0;
}

bool MemStream::IsReading() const {
    return m_mode == kStreamReadBinary || m_mode == kStreamReadText;
}

void MemStream::Reset() {
    m_position = 0;
    m_size = 0;
    m_unpackedSize = 0;
    m_packedSize = 0;
}

int MemStream::Read(void* buffer, int count) {
    if (!IsOpen() || count < 0)
        return kStreamError;
    if (!IsReading())
        return kStreamReadOnWrite;
    if (count > m_size - m_position)
        return kStreamError;
    if (count > 0)
        std::memcpy(buffer, m_buffer.get() + m_position, static_cast<size_t>(count));
    m_position += count;
    return kStreamOk;
}

int MemStream::Write(const void* buffer, int count) {
    if (!IsOpen() || count < 0)
        return kStreamError;
    if (IsReading())
        return kStreamWriteOnRead;
    if (count > INT_MAX - kGrowStep - m_position)
        return kStreamError;
    const int end = m_position + count;
    // Growing by half the capacity as well keeps many small writes linear overall.
    if (end > m_capacity)
        Grow(std::max(end + kGrowStep, static_cast<int>(std::min<int64_t>(
                                           INT_MAX, int64_t{m_capacity} + m_capacity / 2))));
    if (count > 0)
        std::memcpy(m_buffer.get() + m_position, buffer, static_cast<size_t>(count));
    m_position = end;
    if (m_position > m_size)
        m_size = m_position;
    return kStreamOk;
}

long MemStream::SeekTo(long position) {
    if (!IsOpen() || position < 0 || position > m_size)
        return -1;
    m_position = static_cast<int>(position);
    return position;
}

long MemStream::SeekSet(long offset) {
    return SeekTo(offset);
}
long MemStream::SeekCur(long offset) {
    return IsOpen() ? SeekTo(m_position + offset) : -1;
}
long MemStream::SeekEnd(long offset) {
    return IsOpen() ? SeekTo(m_size + offset) : -1;
}
long MemStream::Tell() const {
    return IsOpen() ? m_position : -1;
}
long MemStream::Size() const {
    return IsOpen() ? m_size : -1;
}

void MemStream::Grow(int capacity) {
    std::unique_ptr<uint8_t[]> grown = AllocateBytes(capacity);
    if (m_size > 0)
        std::memcpy(grown.get(), m_buffer.get(), static_cast<size_t>(m_size));
    m_buffer = std::move(grown);
    m_capacity = capacity;
}

bool MemStream::Fail() {
    m_mode = kStreamClosed;
    return false;
}

void MemStream::ReplaceBuffer(std::unique_ptr<uint8_t[]> buffer, int capacity, int size) {
    m_buffer = std::move(buffer);
    m_capacity = capacity;
    m_size = size;
    m_position = 0;
}

// The three header words; the data size, or -1 (stream closed) when more than remaining.
long MemStream::TakeBlockHeader(const uint32_t (&header)[3], long remaining) {
    m_unpackedSize = header[0];
    m_packedSize = header[1];
    const uint32_t dataSize = header[2];
    if (dataSize > static_cast<uint64_t>(remaining) || dataSize > INT_MAX - kGrowStep) {
        std::fprintf(stderr, "MemStream: packed block of %u bytes, only %ld present\n", dataSize,
                     remaining);
        Fail();
        return -1;
    }
    return static_cast<long>(dataSize);
}

bool MemStream::ReadFrom(Stream& source) {
    if (!IsOpen() || source.CheckOpen() != kStreamOk)
        return Fail();
    m_position = 0;
    // One read for the three header words: archives load entry after entry this way.
    uint32_t header[3] = {};
    if (!source.ReadValue(header)) {
        std::fprintf(stderr, "MemStream: packed block header cut short\n");
        return Fail();
    }
    const long dataSize = TakeBlockHeader(header, source.Remaining());
    if (dataSize < 0)
        return false;
    const int size = static_cast<int>(dataSize);
    m_size = 0;
    if (size > m_capacity)
        Grow(size);
    if (source.Read(m_buffer.get(), size) != kStreamOk)
        return Fail();
    m_size = size;
    return true;
}

bool MemStream::UnpackFrom(const uint8_t* block, std::size_t available) {
    if (!IsOpen())
        return Fail();
    m_position = 0;
    uint32_t header[3] = {};
    if (available < sizeof header) {
        std::fprintf(stderr, "MemStream: packed block header cut short\n");
        return Fail();
    }
    std::memcpy(header, block, sizeof header);
    const long remaining =
        static_cast<long>(std::min<std::size_t>(available - sizeof header, LONG_MAX));
    const long dataSize = TakeBlockHeader(header, remaining);
    return dataSize >= 0 && Inflate(block + sizeof header, static_cast<int>(dataSize));
}

bool MemStream::WriteTo(Stream& target) const {
    if (!IsOpen())
        return false;
    const uint32_t dataSize = static_cast<uint32_t>(m_size);
    return target.WriteValue(m_unpackedSize) && target.WriteValue(m_packedSize) &&
           target.WriteValue(dataSize) && target.Write(m_buffer.get(), m_size) == kStreamOk;
}

bool MemStream::LoadAll(Stream& source) {
    if (!IsOpen() || source.CheckOpen() != kStreamOk)
        return false;
    Reset();
    const long length = source.SeekEnd(0);
    if (length < 0 || source.SeekSet(0) < 0 || length > INT_MAX - kGrowStep)
        return false;
    const int size = static_cast<int>(length);
    if (size > m_capacity)
        Grow(size);
    if (source.Read(m_buffer.get(), size) != kStreamOk)
        return false;
    m_size = size;
    return true;
}

bool MemStream::SaveAll(Stream& target) {
    if (!IsOpen() || target.CheckOpen() != kStreamOk)
        return false;
    if (target.Write(m_buffer.get(), m_size) != kStreamOk)
        return Fail();
    return true;
}

bool MemStream::Compress() {
    if (!IsOpen())
        return false;
    m_unpackedSize = static_cast<uint32_t>(m_size);
    const int capacity = m_size + m_size / 2 + 8;
    std::unique_ptr<uint8_t[]> packed = AllocateBytes(capacity);
    uLongf packedSize = static_cast<uLongf>(capacity);
    if (compress(packed.get(), &packedSize, m_buffer.get(), static_cast<uLong>(m_size)) != Z_OK)
        return Fail();
    m_packedSize = static_cast<uint32_t>(packedSize);
    ReplaceBuffer(std::move(packed), capacity, static_cast<int>(packedSize));
    return true;
}

bool MemStream::Uncompress() {
    return IsOpen() && Inflate(m_buffer.get(), m_size);
}

// Into this stream's own buffer when it is not the source and is large enough, else into a
// new one of the recorded size.
bool MemStream::Inflate(const uint8_t* packed, int packedSize) {
    if (m_unpackedSize > static_cast<uint64_t>(packedSize) * kMaxInflateRatio ||
        m_unpackedSize > INT_MAX - kGrowStep) {
        std::fprintf(stderr, "MemStream: %u bytes cannot unpack from %d\n", m_unpackedSize,
                     packedSize);
        return Fail();
    }
    const int unpackedSize = static_cast<int>(m_unpackedSize);
    const bool inPlace = packed != m_buffer.get() && unpackedSize <= m_capacity;
    std::unique_ptr<uint8_t[]> unpacked = inPlace ? nullptr : AllocateBytes(unpackedSize);
    uint8_t* out = inPlace ? m_buffer.get() : unpacked.get();
    libdeflate_decompressor* decompressor = Decompressor();
    // No produced-size pointer: anything but exactly the recorded size is refused. Bytes
    // after the packed stream are refused too: the block's size would then lie.
    size_t consumed = 0;
    const libdeflate_result result =
        decompressor == nullptr
            ? LIBDEFLATE_BAD_DATA
            : libdeflate_zlib_decompress_ex(decompressor, packed, static_cast<size_t>(packedSize),
                                            out, static_cast<size_t>(unpackedSize), &consumed,
                                            nullptr);
    if (result != LIBDEFLATE_SUCCESS || consumed != static_cast<size_t>(packedSize)) {
        std::fprintf(stderr, "MemStream: packed data is damaged (libdeflate %d)\n", result);
        return Fail();
    }
    if (inPlace) {
        m_size = unpackedSize;
        m_position = 0;
    } else {
        ReplaceBuffer(std::move(unpacked), unpackedSize, unpackedSize);
    }
    return true;
}

bool MemStream::CopyLine(char* out, int count) {
    if (!IsOpen() || !IsReading() || count <= 0 || m_position >= m_size)
        return false;
    int length = 0;
    bool endOfLine = false;
    // A buffer of one byte holds no character: the whole line is passed over, so a caller
    // reading line by line still reaches the end.
    const bool passOver = count == 1;
    while ((passOver || length < count - 1) && m_position < m_size && !endOfLine) {
        const char c = static_cast<char>(m_buffer[m_position++]);
        endOfLine = c == '\n' || c == '\0';
        if (!endOfLine && !passOver)
            out[length++] = c;
    }
    if (endOfLine && length > 0 && out[length - 1] == '\r')
        --length;
    out[length] = '\0';
    return true;
}

bool MemStream::ReadLine(char* out, int count) {
    while (CopyLine(out, count)) {
        if (out[0] != '#' && out[0] != '\r' && out[0] != '\0')
            return true;
    }
    return false;
}
