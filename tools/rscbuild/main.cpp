// rscbuild DATA_ROOT: packs the data tree's loose files into DATA_ROOT/"general.rsc" and
// DATA_ROOT/"animation.rsc"; archives that exist already are kept.

#include "Library/files/data_paths.h"
#include "Library/files/res_file_builder.h"
#include "platform/win_io.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: rscbuild DATA_ROOT\n");
        return 2;
    }
    struct stat info;
    if (_stat(argv[1], &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::fprintf(stderr, "rscbuild: %s is not a directory\n", argv[1]);
        return 1;
    }
    DataPaths paths(argv[1]);
    g_dataPaths = &paths;
    ResFileBuilder builder;
    const bool built = builder.Build() && builder.BuildAnimations();
    g_dataPaths = nullptr;
    return built ? 0 : 1;
}
