#include "Library/files/directory_list.h"

#include "Library/core/tracked_new.h"
#include "platform/win_io.h"

#include <sys/stat.h>

#include <cstring>

namespace {

bool IsDirectory(const char* path) {
    struct stat info;
    return _stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

Stringc WithSlash(const Stringc& directory) {
    const int length = directory.Length();
    if (length > 0 && (directory[length - 1] == '/' || directory[length - 1] == '\\'))
        return directory;
    return directory + "/";
}

DirectoryList::DirectoryList() {
    Clear();
}

DirectoryList::~DirectoryList() = default;

void DirectoryList::Clear() {
    m_directoriesOnly = false;
    m_prefix = "*";
    m_filter = "*";
}

void DirectoryList::SetDirectoriesOnly(bool directoriesOnly) {
    m_directoriesOnly = directoriesOnly;
}

void DirectoryList::SetFilter(const Stringc& text) {
    Stringc extension = text;
    m_filter = extension.HasExtension() ? extension.Extension() : text;
}

void DirectoryList::SetPattern(const Stringc& pattern) {
    Stringc extension = pattern;
    m_filter = extension.Extension();
    m_prefix = pattern;
    m_prefix.StripExtension();
}

Stringc DirectoryList::SearchPattern() const {
    return m_prefix + "." + m_filter;
}

bool DirectoryList::Keeps(const char* name) const {
    if (name[0] == '.')
        return false;
    return (std::strchr(name, '.') == nullptr) == m_directoriesOnly;
}

std::unique_ptr<Stringc> DirectoryList::Scan(const Stringc& directory) const {
    const Stringc base = WithSlash(directory);
    Stringc* head = nullptr;
    ForEachFound(base + SearchPattern(), [&](const _finddata_t& entry) {
        if (!Keeps(entry.name))
            return;
        Stringc* const name = NEW Stringc(base + entry.name);
        head = name->InsertSorted(head);
    });
    return std::unique_ptr<Stringc>(head);
}

int DirectoryList::Count(const Stringc& directory) const {
    int count = 0;
    ForEachFound(WithSlash(directory) + SearchPattern(), [&](const _finddata_t&) { ++count; });
    return count;
}

void DirectoryList::ForEach() {
    ForEachFound(SearchPattern(), [&](const _finddata_t& entry) {
        if (entry.name[0] != '.')
            OnEntry(entry);
    });
}

Stringc DirectoryList::LastFile(const Stringc& directory) const {
    const Stringc base = WithSlash(directory);
    if (!IsDirectory(base.c_str()))
        return Stringc("0");
    Stringc last;
    ForEachFound(base + SearchPattern(), [&](const _finddata_t& entry) {
        if (entry.name[0] != '.' && std::strchr(entry.name, '.'))
            last = base + entry.name;
    });
    return last;
}

void DirectoryList::OnEntry(const _finddata_t&) {}

bool MakeDirectories(const Stringc& path) {
    Stringc normal = path;
    normal.BackslashToSlash();
    const char* text = normal.c_str();
    bool made = true;
    for (const char* slash = std::strchr(text, '/'); slash; slash = std::strchr(slash + 1, '/')) {
        if (slash == text)
            continue; // the root
        const Stringc directory(text, static_cast<int>(slash - text));
        if (_mkdir(directory.c_str()) != 0 && !IsDirectory(directory.c_str()))
            made = false;
    }
    return made;
}
