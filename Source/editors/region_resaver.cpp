#include "Source/editors/region_resaver.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/world/region_mgr.h"

#include <memory>

bool RegionResaver::ResaveAll() {
    if (g_dataPaths == nullptr)
        return Fail("");
    return ResaveDirectory(g_dataPaths->GetRegionDir(), "reg");
}

bool RegionResaver::ResaveDirectory(const Stringc& directory, const char* extension) {
    m_failedPath = "";
    return ResaveTree(directory, extension, 0);
}

bool RegionResaver::ResaveTree(const Stringc& directory, const Stringc& extension, int depth) {
    if (depth > kMaxDepth)
        return Fail(directory);
    DirectoryList lister;
    lister.SetDirectoriesOnly(true);
    const std::unique_ptr<Stringc> subs = lister.Scan(directory);
    for (const Stringc* sub = subs.get(); sub != nullptr; sub = sub->GetNext()) {
        Stringc path(*sub);
        path.ReplaceChar('\\', '/');
        if (!ResaveTree(path, extension, depth + 1))
            return false;
    }
    lister.SetDirectoriesOnly(false);
    lister.SetFilter(extension);
    const std::unique_ptr<Stringc> files = lister.Scan(directory);
    for (const Stringc* file = files.get(); file != nullptr; file = file->GetNext())
        if (!ResaveFile(*file))
            return false;
    return true;
}

// Read whole before the rewrite, so a region cut short stops the pass with its file intact.
bool RegionResaver::ResaveFile(const Stringc& path) {
    MemStream data(kStreamReadBinary);
    FileStream file(path.c_str(), kStreamReadBinary);
    PlacedEntityList placed;
    if (!file.IsOpen() || !data.LoadAll(file) || !m_region.LoadDefinition(data, &placed))
        return Fail(path);
    file.Close();
    if (!FileStream::WriteReplacing(path.c_str(), [this, &placed](Stream& stream) {
            return m_region.SaveDefinition(stream, &placed);
        }))
        return Fail(path);
    m_region.Reset();
    return true;
}

bool RegionResaver::Fail(const Stringc& path) {
    m_failedPath = path;
    return false;
}
