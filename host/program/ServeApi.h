// The JSON and event-stream API of `pendrake serve`, under /api/: what a panel page in a browser uses to play
// the panel's part. Every request must pass RefuseApiRequest; whatever touches the host or the plug-ins runs
// on the main thread through the queue, and the request's thread waits for it.
//
//   GET  /api/info        the session: artwork, edition, save path, revision, the panels' extension ids
//   POST /api/event       {"extension","type","data"}: a panel event injected as if that panel had sent it
//   POST /api/select      {"ids":[...]}: exactly these objects become the selection; the plug-ins hear of it
//   GET  /api/selection   {"ids":[...]}
//   GET  /api/document    the document as SVG, as saving writes it
//   GET  /api/events      the event stream (EventStream.h); ?from=K (or a browser's Last-Event-ID) replays the
//                         panel events after K first
//   POST /api/quit        {"save":true|false}: saves to the --save file when asked, then the session ends
#ifndef PENDRAKE_SERVEAPI_H
#define PENDRAKE_SERVEAPI_H

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include <httplib.h>

#include "Commands.h"
#include "EventStream.h"
#include "MainThreadQueue.h"
#include "host/Host.h"

namespace pendrake {

class ServeApi {
public:
    // Everything given must outlive the server's threads.
    ServeApi(host::Host& host, const ServeOptions& options, std::string token, EventStream& events,
             MainThreadQueue& queue);

    // Adds the routes of /api/ for a server on this port, and the JSON replies of errors without a body.
    void Route(httplib::Server& server, int port);

    // The main thread, after every change the page made.
    std::uint64_t Revision() const { return fRevision; }

private:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    // The handler behind the request checks, with no exception let out.
    httplib::Server::Handler Checked(Handler handler);

    void Info(const httplib::Request& request, httplib::Response& response);
    void Event(const httplib::Request& request, httplib::Response& response);
    void Select(const httplib::Request& request, httplib::Response& response);
    void Selection(const httplib::Request& request, httplib::Response& response);
    void Document(const httplib::Request& request, httplib::Response& response);
    void Events(const httplib::Request& request, httplib::Response& response);
    void Quit(const httplib::Request& request, httplib::Response& response);

    // On the main thread: counts a change the page made and tells the streams.
    std::uint64_t Changed();

    host::Host& fHost;
    const ServeOptions& fOptions;
    const std::string fToken;
    EventStream& fEvents;
    MainThreadQueue& fQueue;
    int fPort = 0;
    std::atomic<std::uint64_t> fRevision{0};
};

}  // namespace pendrake

#endif
