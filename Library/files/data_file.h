#pragma once
// The one road by which loaders fetch a data file: from a resource archive while the data
// paths say resource files are in use, else from the loose file; never both.

#include "Library/core/stringc.h"

class DataPaths;
class MemStream;
class ResFileMgr;

// The path of a named file in one of the directories of g_dataPaths, any extension of name
// replaced by extension ("fire.txt", ".dat" gives directory + "/fire.dat"). False, with a
// message, when there are no data paths.
bool MakeDataFilePath(const Stringc& (DataPaths::*directory)() const, const char* name,
                      const char* extension, Stringc& path);

// The one name a data file is known by in archives and caches: g_dataPaths's MakePath form,
// or, without data paths, the path in lower case with '/' separators.
Stringc DataFileName(const char* path);
// Where that name starts in path: its characters are DataPaths::NameChar of the rest.
int DataFileNameStart(const char* path);

// The file's bytes into target, position 0; false, with a message, when it cannot be had.
bool LoadDataFile(const char* path, ResFileMgr* archive, MemStream& target);
// The same with the given data paths in place of g_dataPaths (null: the loose file).
bool LoadDataFile(const DataPaths* paths, const char* path, ResFileMgr* archive, MemStream& target);
