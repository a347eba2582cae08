// Ctrl-C (SIGINT) and SIGTERM as a request to stop instead of the end of the process, so that a server ends its
// session cleanly: both are blocked in the thread that makes the object and in every thread it starts later
// (make it before any other thread starts), and one thread of its own takes them and calls onStop for each.
#ifndef PENDRAKE_STOPSIGNALS_H
#define PENDRAKE_STOPSIGNALS_H

#include <signal.h>

#include <atomic>
#include <functional>
#include <thread>

namespace pendrake {

class StopSignals {
public:
    // onStop runs on the object's thread and must not throw.
    explicit StopSignals(std::function<void()> onStop);
    // Ends the thread, drops a signal that came meanwhile and gives the thread its signal mask back.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    void Wait();

    std::function<void()> fOnStop;
    sigset_t fSignals;
    sigset_t fPreviousMask;
    std::atomic<bool> fEnding{false};
    std::thread fThread;
};

}  // namespace pendrake

#endif
