// Archive loads against the floor of unpacking the same blocks from memory, with zlib and
// with libdeflate (the decoder loads use): every entry of a 50 MB archive, and every entry
// of one of 10,000 small entries, where finding the name and reaching the block weigh
// most. Loads go into a new stream per entry, and into one stream kept for all.

#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kLargeEntrySize = 256 << 10;
constexpr size_t kLargeArchiveSize = 50 << 20;
constexpr size_t kSmallEntrySize = 1 << 10;
constexpr size_t kSmallEntryCount = 10000;

// Half random, half text-like: zlib packs an entry to about 60 %.
std::string EntryBytes(unsigned seed, size_t size) {
    std::string bytes(size, '\0');
    unsigned state = seed * 2654435761u + 1;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i % 2 == 0 ? (state >> 16) : 'a' + i % 13);
    }
    return bytes;
}

// The archive on disk, and each entry's packed data in memory.
class BenchArchive {
public:
    // Entries of entrySize until count of them or packedLimit packed bytes, whichever first.
    BenchArchive(size_t entrySize, size_t count, size_t packedLimit) : m_entrySize(entrySize) {
        char pattern[] = "/tmp/rscbenchXXXXXX";
        m_directory = ::mkdtemp(pattern) ? pattern : "/tmp";
        m_path = m_directory + "/bench.rsc";
        ResFileMgr archive;
        archive.Open(m_path.c_str(), ResFileMgr::kWrite);
        for (unsigned index = 0; index < count && m_packedTotal < packedLimit; ++index) {
            const std::string bytes = EntryBytes(index, entrySize);
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
    size_t EntrySize() const { return m_entrySize; }
    int64_t UnpackedTotal() const { return static_cast<int64_t>(m_names.size() * m_entrySize); }

private:
    size_t m_entrySize;
    std::string m_directory;
    std::string m_path;
    std::vector<std::string> m_names;
    std::vector<std::string> m_blocks;
    size_t m_packedTotal = 0;
};

const BenchArchive& Large() {
    static const BenchArchive archive(kLargeEntrySize, SIZE_MAX, kLargeArchiveSize);
    return archive;
}

const BenchArchive& Many() {
    static const BenchArchive archive(kSmallEntrySize, kSmallEntryCount, SIZE_MAX);
    return archive;
}

void LoadEveryEntry(benchmark::State& state, const BenchArchive& bench) {
    ResFileMgr archive;
    if (!archive.Open(bench.Path().c_str(), ResFileMgr::kRead)) {
        state.SkipWithError("no archive");
        return;
    }
    for (auto _ : state) {
        for (const std::string& name : bench.Names()) {
            MemStream target(kStreamReadBinary);
            benchmark::DoNotOptimize(archive.Load(name.c_str(), target));
        }
    }
    state.SetBytesProcessed(state.iterations() * bench.UnpackedTotal());
}

void LoadEveryEntryIntoOne(benchmark::State& state, const BenchArchive& bench) {
    ResFileMgr archive;
    if (!archive.Open(bench.Path().c_str(), ResFileMgr::kRead)) {
        state.SkipWithError("no archive");
        return;
    }
    MemStream target(kStreamReadBinary);
    for (auto _ : state) {
        for (const std::string& name : bench.Names())
            benchmark::DoNotOptimize(archive.Load(name.c_str(), target));
    }
    state.SetBytesProcessed(state.iterations() * bench.UnpackedTotal());
}

void InflateEveryBlock(benchmark::State& state, const BenchArchive& bench) {
    std::vector<uint8_t> unpacked(bench.EntrySize());
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    for (auto _ : state) {
        for (const std::string& block : bench.Blocks())
            benchmark::DoNotOptimize(libdeflate_zlib_decompress(decompressor, block.data(),
                                                                block.size(), unpacked.data(),
                                                                unpacked.size(), nullptr));
    }
    libdeflate_free_decompressor(decompressor);
    state.SetBytesProcessed(state.iterations() * bench.UnpackedTotal());
}

void UncompressEveryBlock(benchmark::State& state, const BenchArchive& bench) {
    std::vector<Bytef> unpacked(bench.EntrySize());
    for (auto _ : state) {
        for (const std::string& block : bench.Blocks()) {
            uLongf size = static_cast<uLongf>(bench.EntrySize());
            benchmark::DoNotOptimize(uncompress(unpacked.data(), &size,
                                                reinterpret_cast<const Bytef*>(block.data()),
                                                block.size()));
        }
    }
    state.SetBytesProcessed(state.iterations() * bench.UnpackedTotal());
}

void BM_ResFileMgrLoad50MB(benchmark::State& state) {
    LoadEveryEntry(state, Large());
}
void BM_ZlibUncompress50MB(benchmark::State& state) {
    UncompressEveryBlock(state, Large());
}
void BM_ResFileMgrLoadInto50MB(benchmark::State& state) {
    LoadEveryEntryIntoOne(state, Large());
}
void BM_LibdeflateInflate50MB(benchmark::State& state) {
    InflateEveryBlock(state, Large());
}
void BM_ResFileMgrLoad10000Entries(benchmark::State& state) {
    LoadEveryEntry(state, Many());
}
void BM_ZlibUncompress10000Blocks(benchmark::State& state) {
    UncompressEveryBlock(state, Many());
}
void BM_ResFileMgrLoadInto10000Entries(benchmark::State& state) {
    LoadEveryEntryIntoOne(state, Many());
}
void BM_LibdeflateInflate10000Blocks(benchmark::State& state) {
    InflateEveryBlock(state, Many());
}

} // namespace

BENCHMARK(BM_ResFileMgrLoad50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResFileMgrLoadInto50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibUncompress50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibdeflateInflate50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResFileMgrLoad10000Entries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResFileMgrLoadInto10000Entries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibUncompress10000Blocks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibdeflateInflate10000Blocks)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    RatioReporter::Initialize(&argc, argv);
    RatioReporter reporter(
        "Archive loads as a share of unpacking the same blocks alone",
        {{"BM_ResFileMgrLoad50MB", "BM_ZlibUncompress50MB"},
         {"BM_ResFileMgrLoad50MB", "BM_LibdeflateInflate50MB"},
         {"BM_ResFileMgrLoadInto50MB", "BM_LibdeflateInflate50MB"},
         {"BM_ResFileMgrLoad10000Entries", "BM_ZlibUncompress10000Blocks"},
         {"BM_ResFileMgrLoad10000Entries", "BM_LibdeflateInflate10000Blocks"},
         {"BM_ResFileMgrLoadInto10000Entries", "BM_LibdeflateInflate10000Blocks"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
