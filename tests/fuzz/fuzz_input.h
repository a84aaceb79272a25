#pragma once
// What a fuzz target hands its loader: the input as a read-only stream, as a file on disk
// for loaders that take a path, and seed bytes from our own writers.

#include "Library/core/stream.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// A stream reading the fuzzer's bytes in place; reads past the end fail as a file's do.
class FuzzInput : public Stream {
public:
    FuzzInput(const uint8_t* data, size_t size);

    void Reset() override { m_position = 0; }
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    long SeekSet(long offset) override { return SeekTo(offset); }
    long SeekCur(long offset) override { return SeekTo(m_position + offset); }
    long SeekEnd(long offset) override { return SeekTo(Size() + offset); }
    long Tell() const override { return m_position; }
    long Size() const override { return static_cast<long>(m_size); }

private:
    long SeekTo(long position);

    const uint8_t* m_data;
    size_t m_size;
    long m_position = 0;
};

// A scratch directory of this process, removed at exit.
const std::string& FuzzScratchRoot();
// Points g_dataPaths at data paths rooted at the scratch directory, its table directory made.
void UseScratchDataPaths();
// Writes the bytes as name (a path relative to the scratch directory, its directories made
// as needed) and gives the whole path.
std::string FuzzFile(const char* name, const uint8_t* data, size_t size);
std::string FuzzFile(const char* name, const std::string& bytes);
std::string FuzzDirectory(const std::string& name); // made as needed; the whole path
std::string ReadWholeFile(const std::string& path); // "" when it cannot be read

// The bytes write leaves in a fresh memory stream.
std::string WrittenBytes(const std::function<bool(Stream&)>& write);
