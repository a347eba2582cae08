// The panel event bus: the one object behind the library's five entry points, whichever file name a plug-in
// loaded it under, plus the host's side of it (injecting panel events, reading the record, dropping the
// listeners of a plug-in that shuts down).
//
// Delivery is synchronous: a dispatch calls every listener registered for exactly the event's type, in the
// order they were added, before it returns. A listener may dispatch further events and add or remove listeners
// while it is called; the listeners of one dispatch are those registered when it started, less any removed
// meanwhile. The bus is used from the host's user-interface thread only and takes no locks.
#ifndef WIRELET_PANELBUS_H
#define WIRELET_PANELBUS_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pendrake/PanelEvent.h"
#include "wirelet/EventRecord.h"
#include "wirelet/Status.h"

// The bus is one shared library of its own, so that every library file of the panel service reaches the same
// bus. On Windows its users import what it exports.
#if defined(_WIN32) && defined(WIRELET_BUILDING_BUS)
#define WIRELET_API __declspec(dllexport)
#elif defined(_WIN32)
#define WIRELET_API __declspec(dllimport)
#else
#define WIRELET_API __attribute__((visibility("default")))
#endif

namespace wirelet {

class WIRELET_API PanelBus {
public:
    // Called for every dispatched or injected event, after it is recorded and before any listener sees it.
    using Observer = std::function<void(const EventRecord&)>;
    // Chooses listeners to drop by their function.
    using ListenerPredicate = std::function<bool(TrmlEventListenerFn)>;

    PanelBus();
    ~PanelBus();
    PanelBus(const PanelBus&) = delete;
    PanelBus& operator=(const PanelBus&) = delete;

    // The bus of the process, the one that the entry points of every loaded library file forward to.
    static PanelBus& Shared() noexcept;

    // The five entry point operations. Each returns kOk or a code of Status.h and never throws; an exception
    // thrown by a listener or the observer is caught and dropped.
    // Records the extension id; kNullArgument for a null id.
    std::int32_t LoadExtension(const char* extensionId) noexcept;
    std::int32_t UnloadExtension(const char* extensionId) noexcept;
    // Adds the registration of (type, listener, context). The same three added again are ignored with kOk, so
    // that the listener is still called once per event. kNullArgument for a null type or listener; a null
    // context is passed on as it is.
    std::int32_t AddEventListener(const char* type, TrmlEventListenerFn listener, void* context) noexcept;
    // Removes the registration of the three; kNotRegistered when there is none.
    std::int32_t RemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context) noexcept;
    // Records a copy of the event and delivers it; kNullArgument for a null record or a null type. The
    // listeners receive the bus's own copy, valid during their call only.
    std::int32_t DispatchEvent(const TrmlEvent* event) noexcept;

    // The host side.
    // Delivers an event as if a panel had dispatched it, recorded with fFromHost set; the fFromHost of the
    // argument is ignored. kInvalidText when a text holds a NUL character (nothing is recorded then).
    std::int32_t InjectEvent(const EventRecord& event) noexcept;
    std::int32_t InjectEvent(std::string type, std::optional<std::string> data,
                             std::optional<std::string> extension = std::nullopt,
                             std::optional<std::string> sender = std::nullopt, std::int32_t scope = 0) noexcept;
    // Every event dispatched or injected since the last clear, in dispatch order (a dispatch from inside a
    // listener comes after the event that the listener is handling).
    std::vector<EventRecord> Events() const;
    // The record, cleared.
    std::vector<EventRecord> TakeEvents();
    void ClearEvents() noexcept;
    // Every extension load and unload since the last clear, in call order.
    std::vector<ExtensionCall> ExtensionCalls() const;
    void ClearExtensionCalls() noexcept;
    // Registrations for exactly this type.
    std::size_t ListenerCount(std::string_view type) const noexcept;
    // Registrations of every type.
    std::size_t ListenerCount() const noexcept;
    // Replaces the observer; an empty function removes it.
    void SetObserver(Observer observer);
    // Removes every registration whose function satisfies the predicate and returns how many went. A removed
    // listener is not called by a dispatch that is under way.
    std::size_t RemoveListenersIf(const ListenerPredicate& predicate);
    // Forgets every listener, the observer and both records.
    void Reset() noexcept;

private:
    std::int32_t Deliver(const EventRecord& event);

    struct State;
    std::unique_ptr<State> fState;
};

}  // namespace wirelet

#endif
