#include "fuzz/fuzz_input.h"

#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "scratch_dir.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

FuzzInput::FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {
    m_mode = kStreamReadBinary;
}

int FuzzInput::Read(void* buffer, int count) {
    if (count < 0 || count > Size() - m_position)
        return kStreamError;
    if (count > 0)
        std::memcpy(buffer, m_data + m_position, static_cast<size_t>(count));
    m_position += count;
    return kStreamOk;
}

int FuzzInput::Write(const void*, int) {
    return kStreamWriteOnRead;
}

long FuzzInput::SeekTo(long position) {
    if (position < 0 || position > Size())
        return -1;
    return m_position = position;
}

const std::string& FuzzScratchRoot() {
    static const testsupport::ScratchDir scratch;
    return scratch.Root();
}

void UseScratchDataPaths() {
    static DataPaths paths(FuzzScratchRoot().c_str());
    static const bool tables = [] {
        std::error_code ignored;
        return std::filesystem::create_directories(paths.Get2DArrayDir().c_str(), ignored);
    }();
    (void)tables;
    g_dataPaths = &paths;
}

std::string FuzzDirectory(const std::string& name) {
    const std::string path = FuzzScratchRoot() + "/" + name;
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
    return path;
}

std::string FuzzFile(const char* name, const uint8_t* data, size_t size) {
    const std::filesystem::path path = FuzzScratchRoot() + "/" + name;
    FuzzDirectory(path.parent_path().lexically_relative(FuzzScratchRoot()).string());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path.string();
}

std::string FuzzFile(const char* name, const std::string& bytes) {
    return FuzzFile(name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WrittenBytes(const std::function<bool(Stream&)>& write) {
    MemStream stream(kStreamWriteBinary);
    if (!write(stream))
        return "";
    return std::string(reinterpret_cast<const char*>(stream.GetBuffer()),
                       static_cast<size_t>(stream.GetSize()));
}
