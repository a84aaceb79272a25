#pragma once
// A whole file mapped read-only into memory, the path resolved ignoring case. Replacing
// the file on disk by a rename leaves the mapped bytes as they were.

#include <cstddef>
#include <cstdint>

namespace platform {

class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    bool Open(const char* path); // false for a missing or empty file
    void Close();
    const uint8_t* GetData() const { return m_data; }
    std::size_t GetSize() const { return m_size; }

private:
    const uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace platform
