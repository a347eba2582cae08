#include "EventStream.h"

#include <utility>

namespace pendrake {
namespace {

// Tells a browser to reconnect after a second; it also makes the stream's first bytes, so that a reader knows
// at once that it is connected.
const char kOpening[] = "retry: 1000\n\n";
const char kGoodbye[] = "event: bye\ndata: {}\n\n";

}  // namespace

EventStream::Reader::Reader(EventStream& stream, std::optional<std::uint64_t> after) : fStream(stream)
{
    const std::lock_guard lock(stream.fMutex);
    ++stream.fReaders;
    fPending = kOpening;
    if (stream.fClosed) {
        fPending += kGoodbye;
        fEnded = true;
    }
    fNext = stream.fMessages.size();
    if (!after || fEnded) return;
    for (const Message& message : stream.fMessages)
        if (message.panelId > *after) fPending += message.text;
}

EventStream::Reader::~Reader()
{
    {
        const std::lock_guard lock(fStream.fMutex);
        --fStream.fReaders;
    }
    fStream.fChanged.notify_all();
}

std::string EventStream::Reader::Next(std::chrono::milliseconds wait)
{
    if (!fPending.empty()) return std::exchange(fPending, {});
    if (fEnded) return {};
    std::unique_lock lock(fStream.fMutex);
    fStream.fChanged.wait_for(lock, wait, [&] { return fNext < fStream.fMessages.size() || fStream.fClosed; });
    std::string text;
    for (; fNext < fStream.fMessages.size(); ++fNext) text += fStream.fMessages[fNext].text;
    if (fStream.fClosed) {
        text += kGoodbye;
        fEnded = true;
    }
    return text;
}

void EventStream::AddPanelEvent(const std::string& jsonLine)
{
    const std::lock_guard lock(fMutex);
    ++fPanelEvents;
    fMessages.push_back(
        {fPanelEvents, "event: panel\nid: " + std::to_string(fPanelEvents) + "\ndata: " + jsonLine + "\n\n"});
    fChanged.notify_all();
}

void EventStream::AddDocumentChange(std::uint64_t revision)
{
    const std::lock_guard lock(fMutex);
    fMessages.push_back({0, "event: document\ndata: {\"revision\":" + std::to_string(revision) + "}\n\n"});
    fChanged.notify_all();
}

void EventStream::Close()
{
    const std::lock_guard lock(fMutex);
    fClosed = true;
    fChanged.notify_all();
}

bool EventStream::WaitForReaders(std::chrono::milliseconds wait)
{
    std::unique_lock lock(fMutex);
    return fChanged.wait_for(lock, wait, [&] { return fReaders == 0; });
}

std::uint64_t EventStream::PanelEventCount() const
{
    const std::lock_guard lock(fMutex);
    return fPanelEvents;
}

}  // namespace pendrake
