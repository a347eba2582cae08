// A stand-in panel service library for the frame's tests. It logs every call, keeps the registered listeners
// and lets the test deliver an event to them. Built in variants that leave out one entry point
// (FAKE_WIRELET_WITHOUT_DISPATCH, FAKE_WIRELET_WITHOUT_ADD_LISTENER).
#include <string>
#include <vector>

#include "pendrake/PanelEvent.h"

namespace {

struct Listener {
    std::string type;
    TrmlEventListenerFn listener;
    void* context;
};

std::string gLog;
std::vector<Listener> gListeners;

void Log(const std::string& line) { gLog += line + "\n"; }
std::string Text(const char* text) { return text ? text : "(null)"; }

}  // namespace

extern "C" {

int32_t WireletLoadExtension(const char* extensionId)
{
    Log("LoadExtension " + Text(extensionId));
    return 7;  // distinct from the 0 of an unbound entry point
}

int32_t WireletUnloadExtension(const char* extensionId)
{
    Log("UnloadExtension " + Text(extensionId));
    return 7;
}

#ifndef FAKE_WIRELET_WITHOUT_ADD_LISTENER
int32_t WireletAddEventListener(const char* type, TrmlEventListenerFn listener, void* context)
{
    Log("AddEventListener " + Text(type));
    gListeners.push_back({Text(type), listener, context});
    return 0;
}
#endif

int32_t WireletRemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context)
{
    Log("RemoveEventListener " + Text(type));
    std::erase_if(gListeners, [&](const Listener& entry) {
        return entry.type == Text(type) && entry.listener == listener && entry.context == context;
    });
    return 0;
}

#ifndef FAKE_WIRELET_WITHOUT_DISPATCH
int32_t WireletDispatchEvent(const TrmlEvent* event)
{
    Log("DispatchEvent " + Text(event->type) + " " + std::to_string(event->scope) + " " + Text(event->sender) + " " +
        Text(event->extension) + " " + Text(event->data));
    return 0;
}
#endif

// For the tests only.
const char* FakeWireletLog() { return gLog.c_str(); }

void FakeWireletReset()
{
    gLog.clear();
    gListeners.clear();
}

// Delivers one panel event to every listener of its type; a null data pointer is passed on as it is.
void FakeWireletSend(const char* type, const char* data)
{
    const TrmlEvent event = {type, 1, "Panel", nullptr, data};
    const std::vector<Listener> listeners = gListeners;
    for (const Listener& entry : listeners) {
        if (entry.type == type) entry.listener(&event, entry.context);
    }
}

}  // extern "C"
