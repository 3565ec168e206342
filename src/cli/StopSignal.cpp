#include "cli/StopSignal.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");

extern "C" void OnInterrupt(int) {
    stopRequested.store(true);
}

} // namespace

void InstallStopSignal() {
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for the user's answer returns at once.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

bool StopSignalled() {
    return stopRequested.load();
}

void RequestStop() {
    stopRequested.store(true);
}
