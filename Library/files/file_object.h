#pragma once

#include "Library/core/stringc.h"

#include <cstdint>
#include <ctime>

struct stat;

// Base of every resource that has a file: its full path, directory and base name,
// stored lower-case with '/' separators, and a type code taken from the extension.
class FileObject {
public:
    enum FileType : uint32_t {
        kTypeNone = 0,
        kTypeBmp = 1,
        kTypeTga = 2,
        kTypeLle = 3,
        kTypeSav = 4,
        kTypeVat = 5,
        kTypeDat = 6,
        kTypeTxt = 7,
        kTypeEnt = 8,
        kTypeAni = 9,
    };

    FileObject() = default;
    explicit FileObject(const Stringc& path);
    virtual ~FileObject();

    virtual void Clear();
    // Extension points that no resource takes up: each answers true.
    virtual bool Hook2(int, int) { return true; }
    virtual bool Hook3(int) { return true; }
    virtual bool Hook4() { return true; }
    virtual bool Hook5(int) { return true; }
    virtual bool Hook6(int) { return true; }
    virtual bool Hook7() { return true; }
    void SetFileName(const Stringc& path);

    const char* GetExtension() const; // ".bmp" and so on; "" for no known type
    const Stringc& GetFullPath() const { return m_fullPath; }
    const Stringc& GetFileName() const { return m_fileName; } // no directory, no extension
    const Stringc& GetDirectory() const { return m_directory; }
    FileType GetFileType() const { return m_fileType; }

    bool Exists() const;
    std::time_t ModifiedTime() const; // 0 when the file cannot be found
    long FileSize() const;            // 0 when the file cannot be found
    // Copies the file through a temporary beside the destination renamed into place.
    bool CopyTo(const Stringc& destination) const;
    bool Rename(const Stringc& newPath); // replaces an existing file of that name
    bool Remove() const;

private:
    bool Stat(struct stat& info) const; // false when the file cannot be found

    Stringc m_fileName;
    Stringc m_directory;
    Stringc m_fullPath;
    FileType m_fileType = kTypeNone;
};
