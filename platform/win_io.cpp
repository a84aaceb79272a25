#include "platform/win_io.h"

#include "platform/case_path.h"
#include "platform/file_steps.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <bitset>

namespace {

constexpr int kMaxTrackedFd = 4096;
std::bitset<kMaxTrackedFd> g_textMode;

bool IsText(int fd) {
    return fd >= 0 && fd < kMaxTrackedFd && g_textMode[fd];
}

int PosixFlags(int flags) {
    int result = 0;
    switch (flags & 3) {
    case _O_WRONLY:
        result = O_WRONLY;
        break;
    case _O_RDWR:
        result = O_RDWR;
        break;
    default:
        result = O_RDONLY;
        break;
    }
    if (flags & _O_APPEND)
        result |= O_APPEND;
    if (flags & _O_CREAT)
        result |= O_CREAT;
    if (flags & _O_TRUNC)
        result |= O_TRUNC;
    if (flags & _O_EXCL)
        result |= O_EXCL;
    return result | O_CLOEXEC;
}

// The umask narrows these, as for any program here.
mode_t PosixPermission(int permission) {
    mode_t mode = 0;
    if (permission & _S_IREAD)
        mode |= S_IRUSR | S_IRGRP | S_IROTH;
    if (permission & _S_IWRITE)
        mode |= S_IWUSR | S_IWGRP | S_IWOTH;
    return mode;
}

// Drops every CR that is followed by LF, looking one byte past the buffer when a
// CR ends it, so a pair split between two reads is still joined.
int DropCarriageReturns(int fd, char* data, int count) {
    int out = 0;
    for (int i = 0; i < count; ++i) {
        if (data[i] == '\r') {
            if (i + 1 < count) {
                if (data[i + 1] == '\n')
                    continue;
            } else {
                char next = 0;
                if (::read(fd, &next, 1) == 1) {
                    if (next == '\n') {
                        data[out++] = '\n';
                        continue;
                    }
                    ::lseek(fd, -1, SEEK_CUR);
                }
            }
        }
        data[out++] = data[i];
    }
    return out;
}

} // namespace

int _open(const char* path, int flags, int permission) {
    const std::string resolved = platform::ResolvePath(path);
    const int fd = ::open(resolved.c_str(), PosixFlags(flags), PosixPermission(permission));
    if (fd >= 0 && fd < kMaxTrackedFd)
        g_textMode[fd] = (flags & _O_TEXT) != 0;
    return fd;
}

int _read(int fd, void* buffer, unsigned count) {
    const ssize_t got = ::read(fd, buffer, count);
    if (got <= 0 || !IsText(fd))
        return static_cast<int>(got);
    return DropCarriageReturns(fd, static_cast<char*>(buffer), static_cast<int>(got));
}

int _write(int fd, const void* buffer, unsigned count) {
    if (!platform::FileStepAllowed(platform::FileStep::kWrite)) {
        errno = ENOSPC;
        return -1;
    }
    return static_cast<int>(::write(fd, buffer, count));
}

long _lseek(int fd, long offset, int origin) {
    const int whence = origin == _SEEK_CUR ? SEEK_CUR : origin == _SEEK_END ? SEEK_END : SEEK_SET;
    return static_cast<long>(::lseek(fd, offset, whence));
}

long _tell(int fd) {
    return static_cast<long>(::lseek(fd, 0, SEEK_CUR));
}

int _close(int fd) {
    if (fd >= 0 && fd < kMaxTrackedFd)
        g_textMode[fd] = false;
    return ::close(fd);
}

int _chsize(int fd, long size) {
    return ::ftruncate(fd, static_cast<off_t>(size));
}

int _stat(const char* path, struct stat* out) {
    return ::stat(platform::ResolvePath(path).c_str(), out);
}

int _mkdir(const char* path) {
    if (!platform::FileStepAllowed(platform::FileStep::kMakeDirectory)) {
        errno = ENOSPC;
        return -1;
    }
    return ::mkdir(platform::ResolvePath(path).c_str(), 0777);
}

int _chdir(const char* path) {
    return ::chdir(platform::ResolvePath(path).c_str());
}

char* _getcwd(char* buffer, int size) {
    return size > 0 ? ::getcwd(buffer, static_cast<size_t>(size)) : nullptr;
}
