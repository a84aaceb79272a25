#include "Library/files/file_object.h"

#include "Library/core/tracked_new.h"
#include "Library/files/file_stream.h"
#include "platform/case_path.h"
#include "platform/win_io.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct TypeName {
    const char* text; // searched for inside the extension
    FileObject::FileType type;
};

// Searched in this order; the first found decides.
constexpr TypeName kTypeNames[] = {
    {"lle", FileObject::kTypeLle}, {"bmp", FileObject::kTypeBmp}, {"tga", FileObject::kTypeTga},
    {"sav", FileObject::kTypeSav}, {"dat", FileObject::kTypeDat}, {"vat", FileObject::kTypeVat},
    {"txt", FileObject::kTypeTxt}, {"ent", FileObject::kTypeEnt}, {"ani", FileObject::kTypeAni},
};

FileObject::FileType TypeOfExtension(const char* extension) {
    for (const TypeName& name : kTypeNames)
        if (std::strstr(extension, name.text))
            return name.type;
    return FileObject::kTypeNone;
}

} // namespace

FileObject::FileObject(const Stringc& path) {
    SetFileName(path);
}

FileObject::~FileObject() = default;

void FileObject::Clear() {
    m_fileName.Clear();
    m_directory.Clear();
    m_fullPath.Clear();
    m_fileType = kTypeNone;
}

void FileObject::SetFileName(const Stringc& path) {
    m_fullPath = path;
    m_fullPath.ToLower();
    m_fullPath.BackslashToSlash();
    m_fileName = m_fullPath;
    m_fileName.FileName();
    m_directory = m_fullPath;
    m_directory.Directory();
    Stringc extension = m_fullPath;
    m_fileType = TypeOfExtension(extension.Extension().c_str());
}

const char* FileObject::GetExtension() const {
    static const char* const kExtensions[] = {"",     ".bmp", ".tga", ".lle", ".sav",
                                              ".vat", ".dat", ".txt", ".ent", ".ani"};
    return kExtensions[m_fileType];
}

bool FileObject::Stat(struct stat& info) const {
    return m_fullPath.Length() > 0 && _stat(m_fullPath.c_str(), &info) == 0;
}

bool FileObject::Exists() const {
    struct stat info;
    return Stat(info);
}

std::time_t FileObject::ModifiedTime() const {
    struct stat info;
    return Stat(info) ? info.st_mtime : 0;
}

long FileObject::FileSize() const {
    struct stat info;
    return Stat(info) ? static_cast<long>(info.st_size) : 0;
}

bool FileObject::CopyTo(const Stringc& destination) const {
    FileStream source(m_fullPath.c_str(), kStreamReadBinary);
    const long size = source.Size();
    if (!source.IsOpen() || size > INT32_MAX)
        return false;
    const std::unique_ptr<char[]> bytes(NEW char[size > 0 ? size : 1]);
    if (source.Read(bytes.get(), static_cast<int>(size)) != kStreamOk)
        return false;
    const bool copied = FileStream::WriteReplacing(destination.c_str(), [&](Stream& target) {
        return target.Write(bytes.get(), static_cast<int>(size)) == kStreamOk;
    });
    if (copied)
        return true;
    std::fprintf(stderr, "Could not copy %s to %s\n", m_fullPath.c_str(), destination.c_str());
    return false;
}

bool FileObject::Rename(const Stringc& newPath) {
    if (!platform::RenameFile(m_fullPath.c_str(), newPath.c_str()))
        return false;
    SetFileName(newPath);
    return true;
}

bool FileObject::Remove() const {
    return m_fullPath.Length() > 0 && platform::RemoveFile(m_fullPath.c_str());
}
