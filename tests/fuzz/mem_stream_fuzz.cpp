// Packed memory-stream blocks as archives hold them, one after another: each is read,
// unpacked, and its bytes read back as the text lines loaders take from it.

#include "Library/files/mem_stream.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>
#include <cstring>

namespace {

std::string PackedBlocks(std::initializer_list<std::string> contents) {
    return WrittenBytes([&](Stream& stream) {
        for (const std::string& content : contents) {
            MemStream block(kStreamWriteBinary);
            if (block.Write(content.data(), static_cast<int>(content.size())) != kStreamOk ||
                !block.Compress() || !block.WriteTo(stream))
                return false;
        }
        return true;
    });
}

// Every line at each buffer size; a line never fills more than its buffer.
void ReadLines(MemStream& stream) {
    char line[257];
    for (const int count : {1, 2, 7, 256}) {
        stream.SeekSet(0);
        line[count] = '\x7F';
        while (stream.ReadLine(line, count))
            if (std::strlen(line) >= static_cast<size_t>(count) || line[count] != '\x7F')
                std::abort();
        stream.SeekSet(0);
        while (stream.CopyLine(line, count)) {
        }
    }
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {PackedBlocks({"# comment\r\nfirst line\r\n\r\nsecond\n", std::string(3000, 'a')}),
            PackedBlocks({std::string("\0nul\0ends\n#\n", 13), ""})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    MemStream whole(kStreamReadBinary);
    if (whole.LoadAll(input))
        ReadLines(whole);
    input.SeekSet(0);
    for (;;) {
        MemStream block(kStreamReadBinary);
        if (!block.ReadFrom(input))
            break;
        if (block.Uncompress())
            ReadLines(block);
    }
    return 0;
}
