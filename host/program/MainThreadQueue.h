// Work for the main thread, posted from other threads: the host and the plug-ins are only ever touched from the
// main thread, so a thread that serves a request hands its part to the main thread and waits for it.
#ifndef PENDRAKE_MAINTHREADQUEUE_H
#define PENDRAKE_MAINTHREADQUEUE_H

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>

namespace pendrake {

class MainThreadQueue {
public:
    // From any thread but the main one: runs work on the main thread (in RunUntilStopped, after the work posted
    // before it) and returns when it has run; an exception it threw is thrown here. False, and work is not run,
    // when a stop was asked for before it came to run.
    bool Call(const std::function<void()>& work);

    // From any thread, also from inside work: RunUntilStopped returns once the work it is running has ended.
    // The work still waiting, and any that comes later, is refused.
    void RequestStop();
    bool StopRequested() const;

    // The main thread: runs the work posted, one at a time in order, until a stop is asked for.
    void RunUntilStopped();

private:
    struct Item {
        const std::function<void()>* work = nullptr;
        bool done = false;
        bool refused = false;
        std::exception_ptr error;
    };

    mutable std::mutex fMutex;
    std::condition_variable fPosted;    // the main thread waits here for work or a stop
    std::condition_variable fFinished;  // the callers wait here for their work
    std::deque<Item*> fItems;
    bool fStopRequested = false;
};

}  // namespace pendrake

#endif
