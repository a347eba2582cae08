// The HTTP server of `pendrake serve` on a thread of its own: bound to 127.0.0.1 only, bodies of at most
// kMaxBodyBytes, each connection served on a thread of a pool.
#ifndef PENDRAKE_HTTPLISTENER_H
#define PENDRAKE_HTTPLISTENER_H

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

#include <httplib.h>

namespace pendrake {

// A larger request body is refused with 413 before it reaches a handler.
constexpr std::size_t kMaxBodyBytes = 64 * 1024;

class HttpListener {
public:
    HttpListener();
    // Stop().
    ~HttpListener();
    HttpListener(const HttpListener&) = delete;
    HttpListener& operator=(const HttpListener&) = delete;

    // Where the routes go, before Start.
    httplib::Server& Server() { return fServer; }

    // Binds 127.0.0.1:port, or a free port the system chooses for 0; the port bound, or -1 when it cannot be.
    int Bind(int port);
    // Accepts connections on a thread of its own; returns once the server accepts them (true), or when it
    // could not (false).
    bool Start();
    // Stops accepting, lets every request being served end, and waits for the thread. The handlers must end
    // on their own: a stream must have ended, and no handler may wait for work that will never run.
    void Stop();

private:
    httplib::Server fServer;
    std::thread fThread;
    std::mutex fMutex;
    std::condition_variable fChanged;
    bool fEnded = false;
};

}  // namespace pendrake

#endif
