#pragma once
// Data trees were authored on a case-insensitive file system ("/Art/Graphic" beside
// "/art/anim"), so every path the game opens goes through here first.

#include <cstdio>
#include <string>

namespace platform {

// The path as it exists on disk: backslashes become '/', and a path that does not
// exist as written is matched component by component ignoring case. Components that
// match nothing are kept as written, so a file about to be created gets the name asked.
std::string ResolvePath(const char* path);

std::FILE* OpenFile(const char* path, const char* mode);
bool RenameFile(const char* from, const char* to); // replaces an existing target
bool RemoveFile(const char* path);

} // namespace platform
