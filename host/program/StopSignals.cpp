#include "StopSignals.h"

#include <pthread.h>

#include <ctime>

namespace pendrake {

StopSignals::StopSignals(std::function<void()> onStop) : fOnStop(std::move(onStop))
{
    sigemptyset(&fSignals);
    sigaddset(&fSignals, SIGINT);
    sigaddset(&fSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &fSignals, &fPreviousMask);
    fThread = std::thread([this] { Wait(); });
}

StopSignals::~StopSignals()
{
    fEnding = true;
    // The thread takes this signal as any other and then sees that it is to end.
    pthread_kill(fThread.native_handle(), SIGTERM);
    fThread.join();
    const timespec none{0, 0};
    while (sigtimedwait(&fSignals, nullptr, &none) > 0) {}
    pthread_sigmask(SIG_SETMASK, &fPreviousMask, nullptr);
}

void StopSignals::Wait()
{
    for (;;) {
        int signal = 0;
        if (sigwait(&fSignals, &signal) != 0) continue;
        if (fEnding) return;
        try {
            fOnStop();
        } catch (...) {
            // Nothing is to leave the thread; the next signal asks again.
        }
    }
}

}  // namespace pendrake
