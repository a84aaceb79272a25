// Loading every entry of a 50 MB archive, against the floor of raw zlib on the same blocks.

#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kEntrySize = 256 << 10;
constexpr size_t kArchiveSize = 50 << 20;

// Half random, half text-like: zlib packs an entry to about 60 %.
std::string EntryBytes(unsigned seed) {
    std::string bytes(kEntrySize, '\0');
    unsigned state = seed * 2654435761u + 1;
    for (size_t i = 0; i < kEntrySize; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i % 2 == 0 ? (state >> 16) : 'a' + i % 13);
    }
    return bytes;
}

// The archive on disk, and each entry's packed data and unpacked size in memory.
class BenchArchive {
public:
    BenchArchive() {
        char pattern[] = "/tmp/rscbenchXXXXXX";
        m_directory = ::mkdtemp(pattern) ? pattern : "/tmp";
        m_path = m_directory + "/bench.rsc";
        ResFileMgr archive;
        archive.Open(m_path.c_str(), ResFileMgr::kWrite);
        for (unsigned index = 0; m_packedTotal < kArchiveSize; ++index) {
            const std::string bytes = EntryBytes(index);
            MemStream stream(kStreamWriteBinary);
            stream.Write(bytes.data(), static_cast<int>(bytes.size()));
            m_names.push_back("art/graphic/entry" + std::to_string(index) + ".tga");
            archive.Store(m_names.back().c_str(), stream);
            m_blocks.emplace_back(reinterpret_cast<const char*>(stream.GetBuffer()),
                                  static_cast<size_t>(stream.GetSize()));
            m_packedTotal += m_blocks.back().size();
        }
        archive.WriteDirectory();
    }
    ~BenchArchive() {
        std::remove(m_path.c_str());
        ::rmdir(m_directory.c_str());
    }

    const std::string& Path() const { return m_path; }
    const std::vector<std::string>& Names() const { return m_names; }
    const std::vector<std::string>& Blocks() const { return m_blocks; }
    int64_t UnpackedTotal() const { return static_cast<int64_t>(m_names.size() * kEntrySize); }

private:
    std::string m_directory;
    std::string m_path;
    std::vector<std::string> m_names;
    std::vector<std::string> m_blocks;
    size_t m_packedTotal = 0;
};

const BenchArchive& Archive() {
    static const BenchArchive archive;
    return archive;
}

void BM_ResFileMgrLoadEveryEntry(benchmark::State& state) {
    ResFileMgr archive;
    if (!archive.Open(Archive().Path().c_str(), ResFileMgr::kRead)) {
        state.SkipWithError("no archive");
        return;
    }
    for (auto _ : state) {
        for (const std::string& name : Archive().Names()) {
            MemStream target(kStreamReadBinary);
            benchmark::DoNotOptimize(archive.Load(name.c_str(), target));
        }
    }
    state.SetBytesProcessed(state.iterations() * Archive().UnpackedTotal());
}

void BM_ZlibUncompressEveryBlock(benchmark::State& state) {
    std::vector<Bytef> unpacked(kEntrySize);
    for (auto _ : state) {
        for (const std::string& block : Archive().Blocks()) {
            uLongf size = kEntrySize;
            benchmark::DoNotOptimize(uncompress(unpacked.data(), &size,
                                                reinterpret_cast<const Bytef*>(block.data()),
                                                block.size()));
        }
    }
    state.SetBytesProcessed(state.iterations() * Archive().UnpackedTotal());
}

} // namespace

BENCHMARK(BM_ResFileMgrLoadEveryEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibUncompressEveryBlock)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
