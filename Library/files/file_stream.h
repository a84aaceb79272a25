#pragma once

#include "Library/core/stream.h"

#include <functional>

// A stream over a runtime file descriptor. The text modes read with the CR of CR LF
// dropped; once open the mode reads 1 (reading) or 2 (writing).
class FileStream : public Stream {
public:
    FileStream() = default;
    FileStream(const char* path, StreamMode mode); // opens at once; check IsOpen()
    ~FileStream() override;

    // Modes 1 and 3 read, 2 and 4 create or truncate; false, and closed, on failure.
    bool Open(const char* path, StreamMode mode);
    void Close();
    bool CutHere(); // the file ends at the current position; false when closed or refused
    // Writes path through a temporary beside it ("path.new") renamed into place, so a failed
    // write never leaves half a file where a finished one is looked for. False, with the
    // temporary gone, when the file cannot be made or write fails.
    static bool WriteReplacing(const char* path, const std::function<bool(Stream&)>& write);
    // Two files that belong together: both temporaries are written before either is
    // renamed, so a failure leaves the old pair whole. The second is not tried when the
    // first fails.
    static bool WriteReplacingPair(const char* first, const std::function<bool(Stream&)>& writeFirst,
                                   const char* second,
                                   const std::function<bool(Stream&)>& writeSecond);

    void Reset() override;                      // back to the start
    int Read(void* buffer, int count) override; // fewer bytes than asked fail
    int Write(const void* buffer, int count) override;
    long SeekSet(long offset) override;
    long SeekCur(long offset) override;
    long SeekEnd(long offset) override;
    long Tell() const override;
    long Size() const override; // as it was at open

private:
    bool OpenWith(const char* path, int flags, StreamMode mode);
    long Seek(long offset, int origin);

    int m_fd = -1;
    long m_size = 0;
};
