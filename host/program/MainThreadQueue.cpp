#include "MainThreadQueue.h"

namespace pendrake {

bool MainThreadQueue::Call(const std::function<void()>& work)
{
    Item item;
    item.work = &work;
    std::unique_lock lock(fMutex);
    if (fStopRequested) return false;
    fItems.push_back(&item);
    fPosted.notify_one();
    fFinished.wait(lock, [&] { return item.done || item.refused; });
    if (item.refused) return false;
    if (item.error) std::rethrow_exception(item.error);
    return true;
}

void MainThreadQueue::RequestStop()
{
    const std::lock_guard lock(fMutex);
    fStopRequested = true;
    for (Item* item : fItems) item->refused = true;
    fItems.clear();
    fPosted.notify_all();
    fFinished.notify_all();
}

bool MainThreadQueue::StopRequested() const
{
    const std::lock_guard lock(fMutex);
    return fStopRequested;
}

void MainThreadQueue::RunUntilStopped()
{
    std::unique_lock lock(fMutex);
    for (;;) {
        fPosted.wait(lock, [&] { return fStopRequested || !fItems.empty(); });
        if (fStopRequested) return;
        Item* item = fItems.front();
        fItems.pop_front();
        lock.unlock();
        try {
            (*item->work)();
        } catch (...) {
            item->error = std::current_exception();
        }
        lock.lock();
        item->done = true;
        fFinished.notify_all();
    }
}

}  // namespace pendrake
