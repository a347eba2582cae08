// `pendrake serve`: opens an artwork, starts the plug-ins and serves their panels to a browser on 127.0.0.1 (the
// pages of app/panel and the API of ServeApi.h) until a stop signal or the page's quit. The main thread keeps the
// host and the plug-ins; the server's threads hand it their work.
#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "Commands.h"
#include "EventJson.h"
#include "EventStream.h"
#include "HostFindings.h"
#include "HostSession.h"
#include "HttpListener.h"
#include "MainThreadQueue.h"
#include "PanelFiles.h"
#include "RequestChecks.h"
#include "ServeApi.h"
#include "ServePages.h"
#include "StopSignals.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
namespace {

// How long the end of the session waits for the event streams to send their goodbye.
constexpr std::chrono::seconds kGoodbyeWait{2};

// Removes the bus's observer when the session ends, however it ends.
class ObserverScope {
public:
    explicit ObserverScope(wirelet::PanelBus::Observer observer) { wirelet::PanelBus::Shared().SetObserver(observer); }
    ~ObserverScope() { wirelet::PanelBus::Shared().SetObserver({}); }
    ObserverScope(const ObserverScope&) = delete;
    ObserverScope& operator=(const ObserverScope&) = delete;
};

// Stops the queue and ends the streams before the server stops, however the session ends: the server waits for
// its handlers, and they must not wait for work or messages that will never come.
class HandlersRelease {
public:
    HandlersRelease(MainThreadQueue& queue, EventStream& events) : fQueue(queue), fEvents(events) {}
    ~HandlersRelease()
    {
        fQueue.RequestStop();
        fEvents.Close();
    }
    HandlersRelease(const HandlersRelease&) = delete;
    HandlersRelease& operator=(const HandlersRelease&) = delete;

private:
    MainThreadQueue& fQueue;
    EventStream& fEvents;
};

std::filesystem::path PanelFolder(const SessionOptions& options)
{
    return std::filesystem::path(options.appFolder.empty() ? ProgramFolder() : options.appFolder) / "panel";
}

}  // namespace

int RunServe(const ServeOptions& options, std::ostream& out, std::ostream& err)
{
    MainThreadQueue queue;
    // Before any other thread starts, so that none of them takes the signals.
    StopSignals signals([&queue] { queue.RequestStop(); });

    HostSession session(options.session, err);
    if (session.LoadProblems() > 0 || session.Host().Plugins().empty()) {
        err << "pendrake: " << (session.Host().Plugins().empty() ? "no plug-in" : "not every plug-in")
            << " could be loaded and started from " << session.PluginsFolder() << '\n';
        return 1;
    }
    // Stopped while the artwork was read or the plug-ins started.
    if (queue.StopRequested()) return 0;

    EventStream events;
    const ObserverScope observer([&events](const wirelet::EventRecord& event) {
        if (!event.fFromHost) events.AddPanelEvent(EventJsonLine(event));
    });
    const PanelFiles files(PanelFolder(options.session));
    if (!files.Exists()) err << "pendrake: " << files.Folder().string() << ": no panel folder, no pages to serve\n";
    const std::string token = NewSessionToken();
    ServeApi api(session.Host(), options, token, events, queue);
    ServePages pages(files);

    HttpListener listener;
    const int port = listener.Bind(options.port);
    if (port < 0) {
        err << "pendrake: cannot listen on 127.0.0.1:" << options.port << '\n';
        return 1;
    }
    api.Route(listener.Server(), port);
    pages.Route(listener.Server());
    {
        const HandlersRelease release(queue, events);
        if (!listener.Start()) {
            err << "pendrake: cannot accept connections on 127.0.0.1:" << port << '\n';
            return 1;
        }
        out << "Serving http://127.0.0.1:" << port << "/?token=" << token << '\n';
        out.flush();
        queue.RunUntilStopped();
    }
    // The streams have had their goodbye sent; those of pages that have gone are let go.
    events.WaitForReaders(kGoodbyeWait);
    listener.Stop();

    session.SavePreferences();
    ReportHostFindings(session.Host(), err);
    return 0;
}

}  // namespace pendrake
