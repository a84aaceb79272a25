#pragma once
// Every call that changes the disk (a write, a rename, a removal, a new directory) asks
// here first. Only a test sets a hook: it counts the steps of a save and fails one, or ends
// the process there, to show that no such cut loses a saved game.

namespace platform {

enum class FileStep { kWrite, kRename, kRemove, kMakeDirectory };

using FileStepHook = bool (*)(FileStep step); // false fails the call as a full disk would

void SetFileStepHook(FileStepHook hook); // null: every call goes ahead
bool FileStepAllowed(FileStep step);

} // namespace platform
