#pragma once
// Files and streams for the stream tests: a scratch directory removed afterwards,
// and readable memory streams holding given bytes.

#include "Library/mem_stream.h"

#include <memory>
#include <string>

namespace testsupport {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    std::string ReadFile(const std::string& relative) const;

private:
    std::string m_root;
};

std::string BytesOf(const MemStream& stream); // the valid data, whatever the position

// A mode-1 memory stream holding the bytes.
std::unique_ptr<MemStream> ReadableStream(const std::string& bytes);

} // namespace testsupport
