#include "platform/file_steps.h"

namespace platform {

namespace {

FileStepHook g_hook = nullptr;

} // namespace

void SetFileStepHook(FileStepHook hook) {
    g_hook = hook;
}

bool FileStepAllowed(FileStep step) {
    return g_hook == nullptr || g_hook(step);
}

} // namespace platform
