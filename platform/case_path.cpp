#include "platform/case_path.h"

#include "platform/file_steps.h"
#include "platform/win_string.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>

namespace platform {

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

// The entry of dir whose name equals name ignoring case, or "" when none does.
std::string FindIgnoringCase(const std::string& dir, const std::string& name) {
    DIR* handle = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!handle)
        return {};
    std::string found;
    while (const dirent* entry = ::readdir(handle)) {
        if (_stricmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(handle);
    return found;
}

} // namespace

std::string ResolvePath(const char* path) {
    std::string wanted = path ? path : "";
    for (char& c : wanted)
        if (c == '\\')
            c = '/';
    if (wanted.empty() || Exists(wanted))
        return wanted;

    std::string resolved = wanted[0] == '/' ? "/" : "";
    size_t start = resolved.size();
    while (start <= wanted.size()) {
        size_t end = wanted.find('/', start);
        if (end == std::string::npos)
            end = wanted.size();
        const std::string component = wanted.substr(start, end - start);
        const bool last = end == wanted.size();
        if (!component.empty()) {
            std::string candidate = resolved + component;
            if (component != "." && component != ".." && !Exists(candidate)) {
                const std::string match = FindIgnoringCase(resolved, component);
                if (match.empty())
                    return resolved + wanted.substr(start);
                candidate = resolved + match;
            }
            resolved = candidate;
            if (!last)
                resolved += '/';
        }
        start = end + 1;
    }
    return resolved;
}

std::FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(ResolvePath(path).c_str(), mode);
}

bool RenameFile(const char* from, const char* to) {
    if (!FileStepAllowed(FileStep::kRename))
        return false;
    return std::rename(ResolvePath(from).c_str(), ResolvePath(to).c_str()) == 0;
}

bool RemoveFile(const char* path) {
    return FileStepAllowed(FileStep::kRemove) && std::remove(ResolvePath(path).c_str()) == 0;
}

} // namespace platform
