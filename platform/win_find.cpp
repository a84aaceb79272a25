#include "platform/win_find.h"

#include "platform/case_path.h"
#include "platform/win_string.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Search {
    std::vector<_finddata_t> entries;
    size_t next = 0;
};

std::map<intptr_t, Search> g_searches;
intptr_t g_nextHandle = 1;

bool MatchFrom(const char* pattern, const char* name) {
    for (; *pattern; ++pattern, ++name) {
        if (*pattern == '*') {
            while (*pattern == '*')
                ++pattern;
            if (!*pattern)
                return true;
            for (; *name; ++name)
                if (MatchFrom(pattern, name))
                    return true;
            return false;
        }
        if (!*name)
            return false;
        if (*pattern != '?' &&
            std::tolower(static_cast<unsigned char>(*pattern)) !=
                std::tolower(static_cast<unsigned char>(*name)))
            return false;
    }
    return *name == '\0';
}

bool ReadNext(Search& search, _finddata_t* found) {
    if (search.next >= search.entries.size())
        return false;
    *found = search.entries[search.next++];
    return true;
}

} // namespace

namespace platform {

bool MatchWildcard(const char* pattern, const char* name) {
    if (MatchFrom(pattern, name))
        return true;
    // Windows lets "x.*" match "x": an empty extension is still an extension.
    const size_t length = std::strlen(pattern);
    if (length >= 2 && std::strcmp(pattern + length - 2, ".*") == 0 && !std::strchr(name, '.')) {
        const std::string stem(pattern, length - 2);
        return MatchFrom(stem.c_str(), name);
    }
    return false;
}

} // namespace platform

intptr_t _findfirst(const char* filespec, _finddata_t* found) {
    std::string spec = filespec ? filespec : "";
    std::replace(spec.begin(), spec.end(), '\\', '/');
    const size_t slash = spec.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : spec.substr(0, slash + 1);
    const std::string pattern = slash == std::string::npos ? spec : spec.substr(slash + 1);
    const std::string resolvedDir = platform::ResolvePath(dir.c_str());

    DIR* handle = ::opendir(resolvedDir.c_str());
    if (!handle)
        return -1;
    Search search;
    while (const dirent* entry = ::readdir(handle)) {
        if (!platform::MatchWildcard(pattern.c_str(), entry->d_name))
            continue;
        _finddata_t data{};
        std::snprintf(data.name, sizeof data.name, "%s", entry->d_name);
        struct stat info;
        const std::string full = resolvedDir + "/" + entry->d_name;
        if (::stat(full.c_str(), &info) == 0) {
            data.attrib = S_ISDIR(info.st_mode) ? _A_SUBDIR : _A_NORMAL;
            data.time_create = info.st_ctime;
            data.time_access = info.st_atime;
            data.time_write = info.st_mtime;
            data.size = static_cast<unsigned long long>(info.st_size);
        }
        search.entries.push_back(data);
    }
    ::closedir(handle);
    if (search.entries.empty())
        return -1;
    std::sort(search.entries.begin(), search.entries.end(),
              [](const _finddata_t& a, const _finddata_t& b) {
                  const int order = _stricmp(a.name, b.name);
                  return order != 0 ? order < 0 : std::strcmp(a.name, b.name) < 0;
              });
    const intptr_t id = g_nextHandle++;
    Search& stored = g_searches[id] = std::move(search);
    ReadNext(stored, found);
    return id;
}

int _findnext(intptr_t handle, _finddata_t* found) {
    const auto it = g_searches.find(handle);
    if (it == g_searches.end() || !ReadNext(it->second, found))
        return -1;
    return 0;
}

int _findclose(intptr_t handle) { return g_searches.erase(handle) == 1 ? 0 : -1; }
