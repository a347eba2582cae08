// Work handed to the main thread: run there in order, its exceptions brought back, refused after a stop.
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "MainThreadQueue.h"

namespace {

using pendrake::MainThreadQueue;

TEST(MainThreadQueue, WorkRunsOnTheThreadThatRunsTheQueue)
{
    MainThreadQueue queue;
    const std::thread::id main = std::this_thread::get_id();
    std::vector<int> order;
    bool onMain = true;
    std::thread other([&] {
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(queue.Call([&, i] {
                onMain = onMain && std::this_thread::get_id() == main;
                order.push_back(i);
            }));
        EXPECT_THROW(queue.Call([] { throw std::runtime_error("no"); }), std::runtime_error);
        EXPECT_TRUE(queue.Call([&] { queue.RequestStop(); }));
        EXPECT_FALSE(queue.Call([&] { order.push_back(99); }));
    });
    queue.RunUntilStopped();
    other.join();
    EXPECT_TRUE(onMain);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(queue.StopRequested());
}

TEST(MainThreadQueue, AStopRefusesTheWorkThatWaits)
{
    MainThreadQueue queue;
    bool ran = false;
    std::thread caller([&] { EXPECT_FALSE(queue.Call([&] { ran = true; })); });
    // The stop comes from a third thread while the call may wait or not have come yet; either way it is refused.
    std::thread stopper([&] { queue.RequestStop(); });
    stopper.join();
    caller.join();
    queue.RunUntilStopped();
    EXPECT_FALSE(ran);
}

}  // namespace
