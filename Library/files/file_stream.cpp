#include "Library/files/file_stream.h"

#include "Library/files/mem_stream.h"
#include "platform/case_path.h"
#include "platform/win_io.h"

#include <string>

namespace {

constexpr int kCreateWrite = _O_WRONLY | _O_CREAT;

// The runtime may move fewer bytes than asked (text reads drop CRs): go on until all
// are moved; the end of the file or an error before that fails.
template <class Transfer> int TransferAll(int count, Transfer transfer) {
    for (int done = 0; done < count;) {
        const int moved = transfer(done);
        if (moved <= 0)
            return kStreamError;
        done += moved;
    }
    return kStreamOk;
}

} // namespace

FileStream::FileStream(const char* path, StreamMode mode) {
    Open(path, mode);
}

FileStream::~FileStream() {
    Close();
}

bool FileStream::Open(const char* path, StreamMode mode) {
    switch (mode) {
    case kStreamReadBinary:
        return OpenWith(path, _O_RDONLY | _O_BINARY, kStreamReadBinary);
    case kStreamWriteBinary:
        return OpenWith(path, kCreateWrite | _O_TRUNC | _O_BINARY, kStreamWriteBinary);
    case kStreamReadText:
        return OpenWith(path, _O_RDONLY | _O_TEXT, kStreamReadBinary);
    case kStreamWriteText:
        return OpenWith(path, kCreateWrite | _O_TRUNC | _O_TEXT, kStreamWriteBinary);
    default:
        Close();
        return false;
    }
}

bool FileStream::OpenWith(const char* path, int flags, StreamMode mode) {
    Close();
    m_fd = _open(path, flags, _S_IREAD | _S_IWRITE);
    if (m_fd < 0)
        return false;
    m_size = _lseek(m_fd, 0, _SEEK_END);
    if (m_size < 0 || _lseek(m_fd, 0, _SEEK_SET) != 0) {
        Close();
        return false;
    }
    m_mode = mode;
    return true;
}

void FileStream::Close() {
    if (m_fd >= 0)
        _close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_mode = kStreamClosed;
}

bool FileStream::CutHere() {
    const long position = Tell();
    return position >= 0 && _chsize(m_fd, position) == 0;
}

namespace {

// The temporary beside path, made whole in memory and written in one call, so that a file
// costs the disk one write however many fields it holds; removed again when the write fails.
bool WriteTemporary(const std::string& temporary, const std::function<bool(Stream&)>& write) {
    MemStream bytes(kStreamWriteBinary);
    if (!write(bytes))
        return false;
    FileStream file(temporary.c_str(), kStreamWriteBinary);
    const bool written =
        file.IsOpen() && file.Write(bytes.GetBuffer(), bytes.GetSize()) == kStreamOk;
    file.Close();
    if (!written)
        platform::RemoveFile(temporary.c_str());
    return written;
}

} // namespace

bool FileStream::WriteReplacing(const char* path, const std::function<bool(Stream&)>& write) {
    const std::string temporary = std::string(path) + ".new";
    if (!WriteTemporary(temporary, write))
        return false;
    if (platform::RenameFile(temporary.c_str(), path))
        return true;
    platform::RemoveFile(temporary.c_str());
    return false;
}

bool FileStream::WriteReplacingPair(const char* first,
                                    const std::function<bool(Stream&)>& writeFirst,
                                    const char* second,
                                    const std::function<bool(Stream&)>& writeSecond) {
    const std::string firstTemporary = std::string(first) + ".new";
    const std::string secondTemporary = std::string(second) + ".new";
    if (!WriteTemporary(firstTemporary, writeFirst))
        return false;
    if (!WriteTemporary(secondTemporary, writeSecond)) {
        platform::RemoveFile(firstTemporary.c_str());
        return false;
    }
    if (platform::RenameFile(firstTemporary.c_str(), first) &&
        platform::RenameFile(secondTemporary.c_str(), second))
        return true;
    platform::RemoveFile(firstTemporary.c_str());
    platform::RemoveFile(secondTemporary.c_str());
    return false;
}

void FileStream::Reset() {
    SeekSet(0);
}

int FileStream::Read(void* buffer, int count) {
    if (!IsOpen() || count < 0)
        return kStreamError;
    if (m_mode == kStreamWriteBinary)
        return kStreamReadOnWrite;
    char* bytes = static_cast<char*>(buffer);
    return TransferAll(count, [&](int done) {
        return _read(m_fd, bytes + done, static_cast<unsigned>(count - done));
    });
}

int FileStream::Write(const void* buffer, int count) {
    if (!IsOpen() || count < 0)
        return kStreamError;
    if (m_mode == kStreamReadBinary)
        return kStreamWriteOnRead;
    const char* bytes = static_cast<const char*>(buffer);
    return TransferAll(count, [&](int done) {
        return _write(m_fd, bytes + done, static_cast<unsigned>(count - done));
    });
}

long FileStream::Seek(long offset, int origin) {
    if (!IsOpen())
        return -1;
    return _lseek(m_fd, offset, origin) < 0 ? -1 : _tell(m_fd);
}

long FileStream::SeekSet(long offset) {
    return Seek(offset, _SEEK_SET);
}
long FileStream::SeekCur(long offset) {
    return Seek(offset, _SEEK_CUR);
}
long FileStream::SeekEnd(long offset) {
    return Seek(offset, _SEEK_END);
}
long FileStream::Tell() const {
    return IsOpen() ? _tell(m_fd) : -1;
}
long FileStream::Size() const {
    return IsOpen() ? m_size : -1;
}
