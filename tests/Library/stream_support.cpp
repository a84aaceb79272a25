#include "stream_support.h"

#include "test_stream_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace testsupport {

ScratchDir::ScratchDir() {
    char pattern[] = "/tmp/streamsXXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        ADD_FAILURE() << "no scratch directory";
    m_root = pattern;
}

ScratchDir::~ScratchDir() {
    std::system(("rm -rf '" + m_root + "'").c_str());
}

void ScratchDir::WriteFile(const std::string& relative, const std::string& bytes) const {
    std::ofstream(Path(relative), std::ios::binary) << bytes;
}

std::string ScratchDir::ReadFile(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string BytesOf(const MemStream& stream) {
    return std::string(reinterpret_cast<const char*>(stream.GetBuffer()),
                       static_cast<size_t>(stream.GetSize()));
}

std::unique_ptr<MemStream> ReadableStream(const std::string& bytes) {
    TestStream source(Bytes(bytes.begin(), bytes.end()));
    auto stream = std::make_unique<MemStream>(kStreamReadBinary);
    EXPECT_TRUE(stream->LoadAll(source));
    return stream;
}

} // namespace testsupport
