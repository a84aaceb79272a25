#include "platform/quit_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_quitSignalled = 0;

void OnQuitSignal(int) {
    g_quitSignalled = 1;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

namespace platform {

void CatchQuitSignals() {
    g_quitSignalled = 0;
    SetHandler(OnQuitSignal);
}

void ReleaseQuitSignals() {
    SetHandler(SIG_DFL);
}

bool TakeQuitSignal() {
    if (!g_quitSignalled)
        return false;
    g_quitSignalled = 0;
    return true;
}

} // namespace platform
