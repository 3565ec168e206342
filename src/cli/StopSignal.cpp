#include "cli/StopSignal.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");
int wakeRead = -1;
int wakeWrite = -1;

extern "C" void OnInterrupt(int) {
    stopRequested.store(true);
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = savedErrno;
}

} // namespace

void InstallStopSignal() {
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead = wake[0];
        wakeWrite = wake[1];
    }
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // The copy's system calls carry on and the engine stops at its next chunk; a question's
    // wait is woken through the pipe.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

int StopSignalDescriptor() {
    return wakeRead;
}

bool StopSignalled() {
    return stopRequested.load();
}
