// demoworld DIR: writes the demo world's data tree into DIR and packs its archives, so the
// game can start there (the data root is the working directory).

#include "tools/demoworld/demo_world.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demoworld DIR\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    const std::filesystem::path root = std::filesystem::absolute(argv[1], error);
    if (error || !std::filesystem::is_directory(root)) {
        std::fprintf(stderr, "demoworld: cannot make the directory %s\n", argv[1]);
        return 1;
    }
    return DemoWorld(root.string().c_str()).Build() ? 0 : 1;
}
