// The session's event stream as server-sent events: every event the plug-ins dispatch (numbered from 1), a
// document message after every change the page made, and a goodbye when the session ends. The main thread adds
// messages; each page's stream reads them on its own thread, waiting while there are none.
//
//   event: panel      id: K   data: the event as one JSON line
//   event: document           data: {"revision":N}
//   event: bye                data: {}
#ifndef PENDRAKE_EVENTSTREAM_H
#define PENDRAKE_EVENTSTREAM_H

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace pendrake {

class EventStream {
public:
    // One page's stream. It begins with what the page missed, and stays open until the stream ends or it goes.
    class Reader {
    public:
        // after: replay every panel event numbered above it first; nothing: only what comes from now on.
        Reader(EventStream& stream, std::optional<std::uint64_t> after);
        ~Reader();
        Reader(const Reader&) = delete;
        Reader& operator=(const Reader&) = delete;

        // The text of the messages the reader has not had, waiting up to wait for one; "" when none came. The
        // goodbye comes last, after which Ended() is true and nothing more comes.
        std::string Next(std::chrono::milliseconds wait);
        bool Ended() const { return fEnded; }

    private:
        EventStream& fStream;
        std::size_t fNext;     // the first message of fStream not yet had
        std::string fPending;  // the opening and the replay, until the first Next
        bool fEnded = false;
    };

    // The main thread. AddPanelEvent gives the event the next number.
    void AddPanelEvent(const std::string& jsonLine);
    void AddDocumentChange(std::uint64_t revision);
    // Ends the stream: every reader gets the goodbye, and a reader that opens later gets nothing else.
    void Close();
    // Waits up to wait until every reader has gone; false when some are still open.
    bool WaitForReaders(std::chrono::milliseconds wait);

    std::uint64_t PanelEventCount() const;

private:
    struct Message {
        std::uint64_t panelId;  // 0: not a panel event
        std::string text;
    };

    void Add(std::uint64_t panelId, std::string text);

    mutable std::mutex fMutex;
    std::condition_variable fChanged;
    std::vector<Message> fMessages;
    std::uint64_t fPanelEvents = 0;
    std::size_t fReaders = 0;
    bool fClosed = false;
};

}  // namespace pendrake

#endif
