// The fuzzing build's start-up hook: before libFuzzer reads its corpus, the target's seeds
// go into the first corpus directory named on the command line, so every run starts from
// inputs our own writers made. A run given a file (a reproducer) is left alone.

#include "fuzz/fuzz_seeds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i) {
        const std::string argument = (*argv)[i];
        if (argument.empty() || argument[0] == '-')
            continue;
        if (!std::filesystem::is_directory(argument))
            return 0;
        int index = 0;
        for (const std::string& seed : FuzzSeeds()) {
            const std::string path = argument + "/seed-" + std::to_string(index++);
            std::ofstream(path, std::ios::binary | std::ios::trunc)
                .write(seed.data(), static_cast<std::streamsize>(seed.size()));
        }
        std::fprintf(stderr, "%d seeds written to %s\n", index, argument.c_str());
        return 0;
    }
    return 0;
}
