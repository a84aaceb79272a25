// Resource archives as the builder writes them: opened, every entry the seeds hold loaded
// and unpacked, then opened again to append an entry, as the builder does to an archive
// that exists; an append that succeeds must keep what loaded before.

#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

const char* const kNames[] = {"text/menu.txt", "Art/Graphic/Hero.TGA", "data/2darray/rules.dat",
                              "empty"};

bool Store(ResFileMgr& archive, const char* name, const std::string& content) {
    MemStream source(kStreamWriteBinary);
    return source.Write(content.data(), static_cast<int>(content.size())) == kStreamOk &&
           archive.Store(name, source) == ResFileMgr::kResOk;
}

// An archive written in one go, or in two with the second appending to the first.
std::string Built(bool appended) {
    const std::string path = FuzzFile("seed.rsc", "");
    std::remove(path.c_str());
    ResFileMgr archive;
    bool built = archive.Open(path.c_str(), ResFileMgr::kWrite) &&
                 Store(archive, kNames[0], "{1}New game\r\n{2}Quit\r\n") &&
                 Store(archive, kNames[1], std::string(600, '\x1F'));
    if (appended) {
        built = built && archive.WriteDirectory();
        archive.Close();
        built = built && archive.Open(path.c_str(), ResFileMgr::kWrite);
    }
    built = built && Store(archive, kNames[2], std::string("\x02\0\0\0\x01\0\0\0", 8)) &&
            Store(archive, kNames[3], "") && archive.WriteDirectory();
    archive.Close();
    return built ? ReadWholeFile(path) : "";
}

// The bytes of every entry of kNames that loads.
std::map<std::string, std::string> LoadEach(ResFileMgr& archive) {
    std::map<std::string, std::string> loaded;
    for (const char* name : kNames) {
        MemStream target(kStreamReadBinary);
        if (archive.Load(name, target) == ResFileMgr::kResOk)
            loaded[name] = std::string(reinterpret_cast<const char*>(target.GetBuffer()),
                                       static_cast<size_t>(target.GetSize()));
    }
    return loaded;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {Built(false), Built(true)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFile("fuzz.rsc", data, size);
    ResFileMgr archive;
    std::map<std::string, std::string> before;
    if (archive.Open(path.c_str(), ResFileMgr::kRead))
        before = LoadEach(archive);
    if (!archive.Open(path.c_str(), ResFileMgr::kWrite) || !Store(archive, "added.txt", "more") ||
        !archive.WriteDirectory())
        return 0;
    archive.Close();
    // An append that reports success keeps every entry and adds its own.
    MemStream added(kStreamReadBinary);
    if (!archive.Open(path.c_str(), ResFileMgr::kRead) ||
        archive.Load("added.txt", added) != ResFileMgr::kResOk || added.GetSize() != 4 ||
        std::memcmp(added.GetBuffer(), "more", 4) != 0 || LoadEach(archive) != before)
        std::abort();
    return 0;
}
