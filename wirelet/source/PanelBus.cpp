#include "wirelet/PanelBus.h"

#include <utility>

#include "EventConversion.h"
#include "ListenerTable.h"

namespace wirelet {

struct PanelBus::State {
    ListenerTable fListeners;
    std::vector<EventRecord> fEvents;
    std::vector<ExtensionCall> fExtensionCalls;
    // Shared so that a dispatch keeps the observer it started with even if the observer replaces itself.
    std::shared_ptr<const Observer> fObserver;
};

PanelBus::PanelBus() : fState(std::make_unique<State>()) {}

PanelBus::~PanelBus() = default;

PanelBus& PanelBus::Shared() noexcept
{
    static PanelBus gBus;
    return gBus;
}

std::int32_t PanelBus::LoadExtension(const char* extensionId) noexcept
{
    if (extensionId == nullptr) {
        return kNullArgument;
    }
    try {
        fState->fExtensionCalls.push_back(ExtensionCall{ExtensionCall::Kind::kLoad, extensionId});
        return kOk;
    } catch (...) {
        return kInternalFailure;
    }
}

std::int32_t PanelBus::UnloadExtension(const char* extensionId) noexcept
{
    if (extensionId == nullptr) {
        return kNullArgument;
    }
    try {
        fState->fExtensionCalls.push_back(ExtensionCall{ExtensionCall::Kind::kUnload, extensionId});
        return kOk;
    } catch (...) {
        return kInternalFailure;
    }
}

std::int32_t PanelBus::AddEventListener(const char* type, TrmlEventListenerFn listener, void* context) noexcept
{
    if (type == nullptr || listener == nullptr) {
        return kNullArgument;
    }
    try {
        fState->fListeners.Add(type, listener, context);
        return kOk;
    } catch (...) {
        return kInternalFailure;
    }
}

std::int32_t PanelBus::RemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context) noexcept
{
    if (type == nullptr || listener == nullptr) {
        return kNullArgument;
    }
    return fState->fListeners.RemoveOne(type, listener, context) ? kOk : kNotRegistered;
}

std::int32_t PanelBus::DispatchEvent(const TrmlEvent* event) noexcept
{
    if (event == nullptr || event->type == nullptr) {
        return kNullArgument;
    }
    try {
        return Deliver(CopyEvent(*event, false));
    } catch (...) {
        return kInternalFailure;
    }
}

std::int32_t PanelBus::InjectEvent(const EventRecord& event) noexcept
{
    if (!HasOnlyCText(event)) {
        return kInvalidText;
    }
    try {
        EventRecord copy = event;
        copy.fFromHost = true;
        return Deliver(copy);
    } catch (...) {
        return kInternalFailure;
    }
}

std::int32_t PanelBus::InjectEvent(std::string type, std::optional<std::string> data,
                                   std::optional<std::string> extension, std::optional<std::string> sender,
                                   std::int32_t scope) noexcept
{
    try {
        return InjectEvent(
            EventRecord{std::move(type), scope, std::move(sender), std::move(extension), std::move(data), true});
    } catch (...) {
        return kInternalFailure;
    }
}

// Records, tells the observer, then calls the listeners of the type. The event is the caller's own copy, not
// the recorded one, so that the record may grow or be cleared by a listener while the texts stay valid.
std::int32_t PanelBus::Deliver(const EventRecord& event)
{
    fState->fEvents.push_back(event);
    if (const std::shared_ptr<const Observer> observer = fState->fObserver) {
        try {
            (*observer)(event);
        } catch (...) {
            // The observer is the host's printing aid; its failure must not stop delivery.
        }
    }
    const std::vector<ListenerTable::Target> targets = fState->fListeners.Snapshot(event.fType);
    const TrmlEvent view = ViewOf(event);
    for (const ListenerTable::Target& target : targets) {
        if (!fState->fListeners.Contains(target.fSerial)) {
            continue;  // removed by an earlier listener of this dispatch
        }
        try {
            target.fFunction(&view, target.fContext);
        } catch (...) {
            // A listener is C code by contract; whatever it throws ends at the bus.
        }
    }
    return kOk;
}

std::vector<EventRecord> PanelBus::Events() const { return fState->fEvents; }

std::vector<EventRecord> PanelBus::TakeEvents()
{
    std::vector<EventRecord> events;
    events.swap(fState->fEvents);
    return events;
}

void PanelBus::ClearEvents() noexcept { fState->fEvents.clear(); }

std::vector<ExtensionCall> PanelBus::ExtensionCalls() const { return fState->fExtensionCalls; }

void PanelBus::ClearExtensionCalls() noexcept { fState->fExtensionCalls.clear(); }

std::size_t PanelBus::ListenerCount(std::string_view type) const noexcept { return fState->fListeners.Count(type); }

std::size_t PanelBus::ListenerCount() const noexcept { return fState->fListeners.Count(); }

void PanelBus::SetObserver(Observer observer)
{
    fState->fObserver = observer ? std::make_shared<const Observer>(std::move(observer)) : nullptr;
}

std::size_t PanelBus::RemoveListenersIf(const ListenerPredicate& predicate)
{
    return predicate ? fState->fListeners.RemoveIf(predicate) : 0;
}

void PanelBus::Reset() noexcept
{
    fState->fListeners.Clear();
    fState->fObserver.reset();
    fState->fEvents.clear();
    fState->fExtensionCalls.clear();
}

}  // namespace wirelet
