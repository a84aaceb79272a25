#pragma once
// A resource archive (".rsc"): many files, each a zlib-packed MemStream block, found by
// name through a directory at the end of the file. Opened to read, loaders take entries
// out of it; opened to write, a builder stores entries and then writes the directory.
// Names are normalised (DataPaths::MakePath) on every store and load.
//
// Writing goes to a working copy beside the archive ("<path>.new") that WriteDirectory
// renames into place: until then the archive on disk stays as it was, so an append that
// fails or is never finished loses nothing.

#include "Library/core/stringc.h"
#include "Library/files/res_file_index.h"
#include "platform/mapped_file.h"

#include <cstdint>
#include <memory>

class FileStream;
class MemStream;
class ResFileEntry;
template <class T> class MemMgr;

class ResFileMgr {
public:
    enum Mode : uint32_t { kClosed = 0, kRead = 1, kWrite = 2 };
    // Results of Load and Store.
    enum Result : int {
        kResOk = 0,
        kResOpenForWriting = 1, // Load on an archive open for writing
        kResOpenForReading = 2, // Store on an archive open for reading
        kResFailed = 3,         // closed, missing or duplicate name, damaged data, I/O error
    };

    ResFileMgr();
    ResFileMgr(const ResFileMgr&) = delete;
    ResFileMgr& operator=(const ResFileMgr&) = delete;
    virtual ~ResFileMgr();

    // Writing to an existing archive appends after its blocks and keeps its entries. A
    // failure prints nothing: GetOpenError tells why, for callers that report it.
    bool Open(const char* path, Mode mode);
    const Stringc& GetOpenError() const { return m_error; }
    void Close(); // does not write the directory: what was stored since the last one is dropped
    Mode GetMode() const { return m_mode; }

    int Load(const char* name, MemStream& target);  // target: the unpacked bytes, position 0
    int Store(const char* name, MemStream& source); // source is left packed on success
    bool WriteDirectory(); // and puts the archive in place; false leaves the old one there

private:
    bool ReadDirectory();
    void ResetDirectory();
    void AddEntry(const Stringc& name, uint32_t offset);
    Stringc WorkingPath() const;
    bool StartWorkingCopy(); // the blocks so far, copied beside the archive
    bool HaveWorkingCopy();

    Stringc m_path;
    Stringc m_error;          // why the last Open failed
    uint32_t m_endOfData = 0; // reading: the directory offset; writing: where the next block goes
    Mode m_mode = kClosed;
    std::unique_ptr<MemMgr<ResFileEntry>> m_entries;
    ResFileIndex m_index;
    // Reading: the archive mapped, so an entry is unpacked straight from it.
    platform::MappedFile m_archive;
    // Writing: the working copy, closed once renamed into place.
    std::unique_ptr<FileStream> m_stream;
};

// Opened by start-up on the general and the animation archive; loaders read them.
extern ResFileMgr* g_generalRes;
extern ResFileMgr* g_animationRes;
