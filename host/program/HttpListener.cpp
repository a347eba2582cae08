#include "HttpListener.h"

#include <chrono>

namespace pendrake {
namespace {

// Threads for the requests served at the same time; every open event stream keeps one.
constexpr std::size_t kRequestThreads = 16;
// How long an idle connection is kept for a next request; stopping waits for it at most that long.
constexpr time_t kKeepAliveSeconds = 1;

}  // namespace

HttpListener::HttpListener()
{
    fServer.new_task_queue = [] { return new httplib::ThreadPool(kRequestThreads); };
    fServer.set_payload_max_length(kMaxBodyBytes);
    fServer.set_keep_alive_timeout(kKeepAliveSeconds);
    // Another program may not bind the same port beside this one (as SO_REUSEPORT would let it).
    fServer.set_socket_options([](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
}

HttpListener::~HttpListener() { Stop(); }

int HttpListener::Bind(int port)
{
    if (port == 0) return fServer.bind_to_any_port("127.0.0.1");
    return fServer.bind_to_port("127.0.0.1", port) ? port : -1;
}

bool HttpListener::Start()
{
    fThread = std::thread([this] {
        try {
            fServer.listen_after_bind();
        } catch (...) {
            // The server has stopped; Stop finds its loop ended.
        }
        const std::lock_guard lock(fMutex);
        fEnded = true;
        fChanged.notify_all();
    });
    // The server says that it runs only once its loop has begun, and it can be stopped only then; there is
    // no notice of it, so it is asked now and then.
    std::unique_lock lock(fMutex);
    while (!fEnded && !fServer.is_running()) fChanged.wait_for(lock, std::chrono::milliseconds(1));
    return !fEnded;
}

void HttpListener::Stop()
{
    if (!fThread.joinable()) return;
    // Once only: the server must not be stopped twice. It does nothing when its loop has ended already.
    fServer.stop();
    fThread.join();
}

}  // namespace pendrake
