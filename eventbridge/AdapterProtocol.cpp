#include "AdapterProtocol.h"

#include "AdapterState.h"
#include "EventPayloads.h"
#include "HostEventNames.h"
#include "pendrake/IPDError.h"

namespace {

// A request with a null extension or null data names nobody or nothing: it is ignored.
bool Names(const char* text) noexcept { return text != nullptr; }

// Each listener is a C callback of the panel library: nothing may be thrown back into it.
template <typename Work>
void Serve(const TrmlEvent* event, Work&& work) noexcept
{
    if (!event) return;
    pd::CodeOfWork([&] {
        work(*event);
        return kNoErr;
    });
}

PDEventRegistry* Registry() noexcept { return gAdapter.fRegistry ? &*gAdapter.fRegistry : nullptr; }

void OnAddEventListener(const TrmlEvent* event, void*)
{
    Serve(event, [](const TrmlEvent& request) {
        if (PDEventRegistry* registry = Registry(); registry && Names(request.extension) && Names(request.data))
            registry->AddListener(request.data, request.extension);
    });
}

void OnRemoveEventListener(const TrmlEvent* event, void*)
{
    Serve(event, [](const TrmlEvent& request) {
        if (PDEventRegistry* registry = Registry(); registry && Names(request.extension) && Names(request.data))
            registry->RemoveListener(request.data, request.extension);
    });
}

void OnPingRequest(const TrmlEvent* event, void*)
{
    Serve(event, [](const TrmlEvent&) { SendAdapterEvent(HostEventType(kPingResponseSuffix), ""); });
}

void OnListEventsRequest(const TrmlEvent* event, void*)
{
    Serve(event, [](const TrmlEvent& request) {
        const PDEventRegistry* registry = Registry();
        if (!registry || !Names(request.extension)) return;
        SendAdapterEvent(HostEventType(kListEventsResponseSuffix),
                         EventListPayload(registry->ListEvents(request.extension)));
    });
}

}  // namespace

int32_t RegisterRequestListeners()
{
    const struct {
        const char* suffix;
        TrmlEventListenerFn listener;
    } requests[] = {
        {kAddEventListenerSuffix, OnAddEventListener},
        {kRemoveEventListenerSuffix, OnRemoveEventListener},
        {kPingRequestSuffix, OnPingRequest},
        {kListEventsRequestSuffix, OnListEventsRequest},
    };
    for (const auto& request : requests) {
        const std::string type = HostEventType(request.suffix);
        if (const int32_t result = gAdapter.fWirelet.AddEventListener(type.c_str(), request.listener, nullptr))
            return result;
    }
    return 0;
}

int32_t SendAdapterEvent(const std::string& type, const std::string& data)
{
    TrmlEvent event{};
    event.type = type.c_str();
    event.scope = 0;
    event.sender = kAdapterSender;
    event.extension = nullptr;
    event.data = data.c_str();
    return gAdapter.fWirelet.DispatchEvent(&event);
}
