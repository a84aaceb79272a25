#include "Library/files/res_file_mgr.h"

#include "Library/core/mem_mgr.h"
#include "Library/core/tracked_new.h"
#include "Library/files/data_file.h"
#include "Library/files/file_object.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_entry.h"
#include "platform/case_path.h"

#include <algorithm>
#include <vector>

ResFileMgr* g_generalRes = nullptr;
ResFileMgr* g_animationRes = nullptr;

namespace {

constexpr int kEntryPoolSize = 50;
constexpr long kMinStoredEntry = 6;          // an empty name and the offset
constexpr long kBlockHeader = 12;            // unpacked size, packed size, data size
constexpr long kMaxArchiveSize = UINT32_MAX; // offsets are 32-bit
constexpr int kCopyChunk = 1 << 16;

bool CopyBytes(Stream& from, Stream& to, long count) {
    std::vector<uint8_t> chunk(static_cast<size_t>(std::min<long>(count, kCopyChunk)));
    for (long left = count; left > 0;) {
        const int size = static_cast<int>(std::min<long>(left, kCopyChunk));
        if (from.Read(chunk.data(), size) != kStreamOk || to.Write(chunk.data(), size) != kStreamOk)
            return false;
        left -= size;
    }
    return true;
}

} // namespace

ResFileMgr::ResFileMgr() = default;

ResFileMgr::~ResFileMgr() {
    Close();
}

// Archive layout, little-endian:
//   blocks from offset 0, each: u32 unpacked size, u32 packed size, u32 size D, D bytes
//   directory at the end of the blocks: u32 count, then count x (Stringc name, u32 offset)
//   last 4 bytes: u32 offset of the directory
bool ResFileMgr::Open(const char* path, Mode mode) {
    Close();
    m_error.Clear();
    if (mode != kRead && mode != kWrite) {
        m_error = "an archive opens to read or to write";
        return false;
    }
    m_path = path;
    m_entries.reset(NEW MemMgr<ResFileEntry>(kEntryPoolSize));
    m_stream.reset(NEW FileStream());
    const bool opened =
        mode == kRead ? ReadDirectory() && m_archive.Open(path)
                      : (!FileObject(m_path).Exists() || ReadDirectory()) && StartWorkingCopy();
    if (!opened) {
        if (m_error.Length() == 0)
            m_error.Format("%s cannot be opened", path);
        Close();
        return false;
    }
    m_mode = mode;
    return true;
}

Stringc ResFileMgr::WorkingPath() const {
    return m_path + ".new";
}

bool ResFileMgr::StartWorkingCopy() {
    const Stringc working = WorkingPath();
    if (m_stream->Open(working.c_str(), kStreamWriteBinary)) {
        FileStream archive;
        if (m_endOfData == 0 || (archive.Open(m_path.c_str(), kStreamReadBinary) &&
                                 CopyBytes(archive, *m_stream, m_endOfData)))
            return true;
    }
    m_error.Format("%s cannot be written", working.c_str());
    m_stream->Close();
    platform::RemoveFile(working.c_str());
    return false;
}

// After WriteDirectory put the archive in place, further writes start a new working copy.
bool ResFileMgr::HaveWorkingCopy() {
    return m_mode == kWrite && (m_stream->IsOpen() || StartWorkingCopy());
}

void ResFileMgr::Close() {
    const bool dropWorkingCopy = m_mode == kWrite && m_stream->IsOpen();
    m_stream.reset();
    m_archive.Close();
    if (dropWorkingCopy)
        platform::RemoveFile(WorkingPath().c_str());
    m_index.Clear();
    m_entries.reset();
    m_path.Clear();
    m_mode = kClosed;
    m_endOfData = 0;
}

void ResFileMgr::ResetDirectory() {
    m_endOfData = 0;
    m_index.Clear();
    m_entries->FreeAll();
}

bool ResFileMgr::ReadDirectory() {
    ResetDirectory();
    FileStream stream(m_path.c_str(), kStreamReadBinary);
    const long size = stream.Size();
    uint32_t directoryOffset = 0;
    uint32_t count = 0;
    if (!stream.IsOpen()) {
        m_error.Format("%s cannot be opened", m_path.c_str());
        return false;
    }
    if (size > kMaxArchiveSize || stream.SeekEnd(-4) < 0 || !stream.ReadValue(directoryOffset) ||
        directoryOffset > size - 8 || stream.SeekSet(directoryOffset) < 0 ||
        !stream.ReadValue(count)) {
        m_error.Format("%s has no archive directory", m_path.c_str());
        return false;
    }
    if (count > (stream.Remaining() - 4) / kMinStoredEntry) {
        m_error.Format("%s lists %u entries, more than its directory holds", m_path.c_str(), count);
        return false;
    }
    for (uint32_t index = 0; index < count; ++index) {
        ResFileEntry* entry = m_entries->Alloc();
        if (!entry->Read(stream) || entry->GetOffset() + kBlockHeader > directoryOffset) {
            m_error.Format("entry %u of %s is damaged", index, m_path.c_str());
            ResetDirectory();
            return false;
        }
        m_index.Add(entry);
    }
    m_endOfData = directoryOffset;
    return true;
}

bool ResFileMgr::WriteDirectory() {
    if (!HaveWorkingCopy() || m_stream->SeekSet(m_endOfData) < 0 ||
        !m_stream->WriteValue(static_cast<uint32_t>(m_entries->CountUsed())))
        return false;
    for (int slot = 0; slot < m_entries->GetCount(); ++slot) {
        if (m_entries->IsUsed(slot) && !m_entries->Get(slot)->Write(*m_stream))
            return false;
    }
    // A store that failed part-way may have written past the directory: cut it off, or the
    // offset read from the last four bytes would be stale.
    if (!m_stream->WriteValue(m_endOfData) || !m_stream->CutHere() ||
        !platform::RenameFile(WorkingPath().c_str(), m_path.c_str()))
        return false;
    m_stream->Close();
    return true;
}

void ResFileMgr::AddEntry(const Stringc& name, uint32_t offset) {
    ResFileEntry* entry = m_entries->Alloc();
    entry->Set(name, offset);
    m_index.Add(entry);
}

int ResFileMgr::Load(const char* name, MemStream& target) {
    if (m_mode == kClosed)
        return kResFailed;
    if (m_mode == kWrite)
        return kResOpenForWriting;
    const ResFileEntry* entry = m_index.FindPath(name);
    const std::size_t offset = entry != nullptr ? entry->GetOffset() : 0;
    if (entry == nullptr || offset > m_archive.GetSize() ||
        !target.UnpackFrom(m_archive.GetData() + offset, m_archive.GetSize() - offset))
        return kResFailed;
    return kResOk;
}

int ResFileMgr::Store(const char* name, MemStream& source) {
    if (m_mode == kClosed)
        return kResFailed;
    if (m_mode == kRead)
        return kResOpenForReading;
    const Stringc entryName = DataFileName(name);
    if (m_index.FindName(entryName.c_str()) != nullptr || !HaveWorkingCopy())
        return kResFailed;
    if (m_stream->SeekSet(m_endOfData) < 0 || !source.Compress() || !source.WriteTo(*m_stream))
        return kResFailed;
    // The entry goes in only once its block is whole; a failed write is overwritten next time.
    const long end = m_stream->Tell();
    if (end < 0 || end > kMaxArchiveSize)
        return kResFailed;
    AddEntry(entryName, m_endOfData);
    m_endOfData = static_cast<uint32_t>(end);
    return kResOk;
}
