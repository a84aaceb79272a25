#include "platform/mapped_file.h"

#include "platform/case_path.h"

#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

MappedFile::~MappedFile() {
    Close();
}

bool MappedFile::Open(const char* path) {
    Close();
    const int fd = ::open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    void* data = MAP_FAILED;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
        data = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, fd,
                      0);
    ::close(fd);
    if (data == MAP_FAILED)
        return false;
    m_data = static_cast<const uint8_t*>(data);
    m_size = static_cast<std::size_t>(status.st_size);
    return true;
}

void MappedFile::Close() {
    if (m_data != nullptr)
        ::munmap(const_cast<uint8_t*>(m_data), m_size);
    m_data = nullptr;
    m_size = 0;
}

} // namespace platform
