#pragma once

#include "Library/core/stringc.h"
#include "platform/win_find.h"

#include <memory>

// Lists the entries of a directory that match a name prefix and an extension filter
// ("*" and "?" wildcards, ignoring case); names beginning with '.' are never listed.
class DirectoryList {
public:
    DirectoryList();
    virtual ~DirectoryList();

    void Clear();                                  // files, prefix and filter "*"
    void SetDirectoriesOnly(bool directoriesOnly); // entries without a '.' instead of with one
    void SetFilter(const Stringc& text);     // the extension part, or all of a text without '.'
    void SetPattern(const Stringc& pattern); // prefix and extension filter from "name.ext"
    void NoOp(const Stringc&) const {}       // takes a name and leaves the list as it is

    // The matching entries as a chain of directory + name strings sorted ignoring case;
    // null when there are none or the directory cannot be read.
    std::unique_ptr<Stringc> Scan(const Stringc& directory) const;
    // Every entry the search returns, "." and ".." included; 0 when it cannot be read.
    int Count(const Stringc& directory) const;
    // Calls OnEntry for every matching entry of the working directory.
    void ForEach();
    // Directory + name of the last matching name holding a '.'; "" when there is none,
    // "0" when the directory cannot be read.
    Stringc LastFile(const Stringc& directory) const;

protected:
    virtual void OnEntry(const _finddata_t& entry);

private:
    Stringc SearchPattern() const;
    bool Keeps(const char* name) const;

    bool m_directoriesOnly = false;
    Stringc m_prefix;
    Stringc m_filter;
};

// The directory with a separator at its end, ready for a name or a pattern.
Stringc WithSlash(const Stringc& directory);

// Visits every entry the search pattern finds ("dir/*.ext"), in search order.
template <class Visit> void ForEachFound(const Stringc& pattern, Visit visit) {
    _finddata_t found;
    const intptr_t search = _findfirst(pattern.c_str(), &found);
    if (search == -1)
        return;
    do
        visit(found);
    while (_findnext(search, &found) == 0);
    _findclose(search);
}

// Creates every directory of the path that ends before a '/' (so not the last part);
// true when they all exist afterwards.
bool MakeDirectories(const Stringc& path);
