#include "Library/files/mem_stream.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace {

// Text-like bytes with a random byte in every seven: zlib packs them about 3:1.
std::string SemiCompressible(size_t size) {
    std::string bytes(size, '\0');
    unsigned state = 7;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i % 7 == 0 ? (state >> 16) : 'a' + i % 13);
    }
    return bytes;
}

void BM_MemStreamPack(benchmark::State& state) {
    const std::string bytes = SemiCompressible(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        MemStream stream(kStreamWriteBinary);
        stream.Write(bytes.data(), static_cast<int>(bytes.size()));
        benchmark::DoNotOptimize(stream.Compress());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_ZlibCompress(benchmark::State& state) {
    const std::string bytes = SemiCompressible(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<Bytef> packed(bytes.size() + bytes.size() / 2 + 8);
        uLongf packedSize = packed.size();
        benchmark::DoNotOptimize(compress(packed.data(), &packedSize,
                                          reinterpret_cast<const Bytef*>(bytes.data()),
                                          bytes.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_MemStreamUnpack(benchmark::State& state) {
    const std::string bytes = SemiCompressible(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        MemStream stream(kStreamWriteBinary);
        stream.Write(bytes.data(), static_cast<int>(bytes.size()));
        stream.Compress();
        state.ResumeTiming();
        benchmark::DoNotOptimize(stream.Uncompress());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_ZlibUncompress(benchmark::State& state) {
    const std::string bytes = SemiCompressible(static_cast<size_t>(state.range(0)));
    std::vector<Bytef> packed(compressBound(bytes.size()));
    uLongf packedSize = packed.size();
    compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(bytes.data()),
             bytes.size());
    for (auto _ : state) {
        std::vector<Bytef> unpacked(bytes.size());
        uLongf unpackedSize = unpacked.size();
        benchmark::DoNotOptimize(
            uncompress(unpacked.data(), &unpackedSize, packed.data(), packedSize));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(BM_MemStreamPack)->Arg(64 << 10)->Arg(1 << 20);
BENCHMARK(BM_ZlibCompress)->Arg(64 << 10)->Arg(1 << 20);
BENCHMARK(BM_MemStreamUnpack)->Arg(64 << 10)->Arg(1 << 20);
BENCHMARK(BM_ZlibUncompress)->Arg(64 << 10)->Arg(1 << 20);

BENCHMARK_MAIN();
