#include "Library/files/res_file_builder.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_object.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"

#include <cstdio>

namespace {

constexpr int kMaxDepth = 32; // deeper is a link loop, not a data tree

struct GeneralSource {
    const char* directory; // under the data root
    const char* extension;
};

constexpr GeneralSource kGeneralSources[] = {
    {"/Art/Graphic", "tga"}, {"/Art/Graphic", "bmp"},  {"/Data/2DArray", "dat"},
    {"/Data/Entity", "dat"}, {"/Data/ExplMgr", "dat"}, {"/Data/ProjMgr", "dat"},
    {"/Data/Spell", "dat"},  {"/Data/Region", "reg"},  {"/Data/TileMap", "map"},
    {"/Script", "scr"},      {"/Sound/Sfx", "ogg"},    {"/Sound/Music", "ogg"},
};

bool HaveDataPaths() {
    if (g_dataPaths != nullptr)
        return true;
    std::fprintf(stderr, "ResFileBuilder: no data paths give the data root\n");
    return false;
}

bool StoreFile(ResFileMgr& archive, const Stringc& path) {
    FileStream file(path.c_str(), kStreamReadBinary);
    MemStream data(kStreamReadBinary);
    if (!file.IsOpen() || !data.LoadAll(file)) {
        std::fprintf(stderr, "ResFileBuilder: cannot read %s\n", path.c_str());
        return false;
    }
    if (archive.Store(path.c_str(), data) != ResFileMgr::kResOk) {
        std::fprintf(stderr, "ResFileBuilder: cannot store %s (a name stored twice?)\n",
                     path.c_str());
        return false;
    }
    return true;
}

} // namespace

bool ResFileBuilder::Build() {
    if (!HaveDataPaths())
        return false;
    std::vector<Source> sources;
    for (const GeneralSource& source : kGeneralSources)
        sources.push_back({g_dataPaths->GetRootDir() + source.directory, source.extension});
    return BuildArchive(g_dataPaths->GetGeneralResPath(), sources);
}

bool ResFileBuilder::BuildAnimations() {
    return HaveDataPaths() &&
           BuildArchive(g_dataPaths->GetAnimationResPath(), {{g_dataPaths->GetAnimDir(), "ani"}});
}

bool ResFileBuilder::BuildArchive(const Stringc& path, const std::vector<Source>& sources) {
    if (FileObject(path).Exists())
        return true;
    // The archive appears only when its directory is written, so a failed build never
    // leaves an archive that looks finished.
    ResFileMgr archive;
    bool built = archive.Open(path.c_str(), ResFileMgr::kWrite);
    if (!built)
        std::fprintf(stderr, "ResFileBuilder: %s\n", archive.GetOpenError().c_str());
    for (const Source& source : sources)
        built = built && AddDirectory(archive, source.directory, source.extension);
    if (built && !archive.WriteDirectory()) {
        std::fprintf(stderr, "ResFileBuilder: cannot write the directory of %s\n", path.c_str());
        built = false;
    }
    return built;
}

bool ResFileBuilder::AddDirectory(ResFileMgr& archive, const Stringc& directory,
                                  const char* extension) {
    return AddTree(archive, directory, extension, 0);
}

bool ResFileBuilder::AddTree(ResFileMgr& archive, const Stringc& directory, const char* extension,
                             int depth) {
    if (depth > kMaxDepth) {
        std::fprintf(stderr, "ResFileBuilder: %s lies too deep\n", directory.c_str());
        return false;
    }
    DirectoryList list;
    list.SetDirectoriesOnly(true);
    const std::unique_ptr<Stringc> subdirectories = list.Scan(directory);
    for (const Stringc* sub = subdirectories.get(); sub != nullptr; sub = sub->GetNext()) {
        Stringc path = *sub;
        path.BackslashToSlash();
        if (!AddTree(archive, path, extension, depth + 1))
            return false;
    }
    list.SetDirectoriesOnly(false);
    list.SetFilter(Stringc("*.") + extension);
    const std::unique_ptr<Stringc> files = list.Scan(directory);
    for (const Stringc* file = files.get(); file != nullptr; file = file->GetNext()) {
        if (!StoreFile(archive, *file))
            return false;
    }
    return true;
}
