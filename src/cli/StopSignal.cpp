#include "cli/StopSignal.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<int> stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal is recorded from a handler");
int wakeRead = -1;
int wakeWrite = -1;

constexpr int StopSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void OnStopSignal(int signalNumber) {
    int expected = 0;
    stopSignal.compare_exchange_strong(expected, signalNumber);
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
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read or write that blocks (a FIFO, a stalled network folder) returns with
    // EINTR, and the engine takes that as the moment to ask whether to stop. A question's wait is
    // woken through the pipe.
    action.sa_flags = SA_RESETHAND;
    for (const int signalNumber : StopSignals)
        sigaction(signalNumber, &action, nullptr);
}

void BlockStopSignalsInThisThread(bool block) {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signalNumber : StopSignals)
        sigaddset(&signals, signalNumber);
    pthread_sigmask(block ? SIG_BLOCK : SIG_UNBLOCK, &signals, nullptr);
}

int StopSignalDescriptor() {
    return wakeRead;
}

bool StopSignalled() {
    return stopSignal.load() != 0;
}

int StopSignalExitCode() {
    const int signalNumber = stopSignal.load();
    return 128 + (signalNumber != 0 ? signalNumber : SIGINT);
}
