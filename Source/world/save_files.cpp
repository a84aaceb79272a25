#include "Source/world/save_files.h"

#include "Library/files/directory_list.h"
#include "Library/files/file_object.h"
#include "platform/case_path.h"
#include "platform/win_io.h"

#include <memory>

std::vector<Stringc> SaveFiles::List(const Stringc& directory, const char* extension) const {
    DirectoryList list;
    list.SetFilter(extension);
    const std::unique_ptr<Stringc> found = list.Scan(directory);
    std::vector<Stringc> paths;
    for (const Stringc* path = found.get(); path != nullptr; path = path->GetNext())
        paths.emplace_back(path->c_str());
    return paths;
}

bool SaveFiles::Exists(const Stringc& path) const {
    struct stat info;
    return _stat(path.c_str(), &info) == 0;
}

bool SaveFiles::Copy(const Stringc& from, const Stringc& to) {
    return FileObject(from).CopyTo(to);
}

bool SaveFiles::Remove(const Stringc& path) {
    return platform::RemoveFile(path.c_str());
}

bool SaveFiles::Rename(const Stringc& from, const Stringc& to) {
    return platform::RenameFile(from.c_str(), to.c_str());
}

bool SaveFiles::MakeDirectory(const Stringc& directory) {
    return MakeDirectories(WithSlash(directory));
}

bool SaveFiles::RemoveDirectory(const Stringc& directory) {
    for (const Stringc& path : List(directory, "*"))
        Remove(path);
    Remove(directory);
    return !Exists(directory);
}
