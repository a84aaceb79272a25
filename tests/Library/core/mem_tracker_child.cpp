// Started by the memory tracker tests in a scratch directory: "leak" exits with one block
// still live, "clean" exits with none and allocates again after the tracker's exit hook.
#include "Library/core/tracked_new.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

char* volatile g_leaked; // held by a global, so only the tracker counts it as a leak
bool g_allocateAfterExitHook;

bool LeakReportContains(const char* text) {
    char report[4096] = {};
    FILE* file = fopen("memleaks.log", "rb");
    if (!file)
        return false;
    const size_t length = fread(report, 1, sizeof report - 1, file);
    fclose(file);
    report[length] = '\0';
    return strstr(report, text) != nullptr;
}

// Destructor functions run after every exit handler, the tracker's included.
__attribute__((destructor)) void AllocateAfterExitHook() {
    if (!g_allocateAfterExitHook)
        return;
    for (int round = 0; round < 2; ++round) {
        int* value = NEW int(round);
        DELETE value;
    }
    if (!LeakReportContains("Congratulations! No memory leaks found!"))
        _exit(3);
    printf("allocated after exit hook\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "leak") == 0) {
        const int line = __LINE__ + 1;
        g_leaked = NEW char[10];
        MemBreakOnDealloc(g_leaked) = true;
        printf("%05d\n", line);
        return 0;
    }
    if (argc == 2 && strcmp(argv[1], "clean") == 0) {
        // More blocks than one page of the tracker's records, so the report can free pages
        int* values[600];
        for (int*& value : values)
            value = NEW int(1);
        for (int* value : values)
            DELETE value;
        g_allocateAfterExitHook = true;
        return 0;
    }
    fprintf(stderr, "usage: mem_tracker_child leak|clean\n");
    return 2;
}
