#pragma once
// The one road by which loaders fetch a data file: from a resource archive while the game
// mode says resource files are in use, else from the loose file; never both.

class MemStream;
class ResFileMgr;

// The file's bytes into target, position 0; false, with a message, when it cannot be had.
bool LoadDataFile(const char* path, ResFileMgr* archive, MemStream& target);
