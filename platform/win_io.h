#pragma once
// Stand-ins for the Windows runtime's low-level file calls, on POSIX. Paths are
// resolved ignoring case; text-mode reads drop the CR of each CR LF pair.

#include <sys/stat.h>

constexpr int _O_RDONLY = 0x0000;
constexpr int _O_WRONLY = 0x0001;
constexpr int _O_RDWR = 0x0002;
constexpr int _O_APPEND = 0x0008;
constexpr int _O_CREAT = 0x0100;
constexpr int _O_TRUNC = 0x0200;
constexpr int _O_EXCL = 0x0400;
constexpr int _O_TEXT = 0x4000;
constexpr int _O_BINARY = 0x8000;

constexpr int _S_IREAD = 0x0100;
constexpr int _S_IWRITE = 0x0080;

constexpr int _SEEK_SET = 0;
constexpr int _SEEK_CUR = 1;
constexpr int _SEEK_END = 2;

int _open(const char* path, int flags, int permission = _S_IREAD | _S_IWRITE); // -1 on failure
int _read(int fd, void* buffer, unsigned count);  // bytes read, 0 at the end, -1 on error
int _write(int fd, const void* buffer, unsigned count);
long _lseek(int fd, long offset, int origin);       // new position or -1
long _tell(int fd);
int _close(int fd);
int _chsize(int fd, long size); // cuts or extends the file to size; 0 on success

int _stat(const char* path, struct stat* out);      // 0 on success
int _mkdir(const char* path);                      // 0 on success
int _chdir(const char* path);
char* _getcwd(char* buffer, int size);
