// The panel service library's five C entry points, each forwarding to the process's one bus. The same source
// is built under every file name that plug-ins load; a test build defines WIRELET_OMIT_<EntryPointName> to leave
// one entry point out.
#include "pendrake/PanelEvent.h"
#include "wirelet/PanelBus.h"

#include <type_traits>

// Each library file exports the entry points and nothing else.
#if defined(_WIN32)
#define WIRELET_ENTRY_POINT __declspec(dllexport)
#else
#define WIRELET_ENTRY_POINT __attribute__((visibility("default")))
#endif

extern "C" {

#ifndef WIRELET_OMIT_WireletLoadExtension
WIRELET_ENTRY_POINT int32_t WireletLoadExtension(const char* extensionId)
{
    return wirelet::PanelBus::Shared().LoadExtension(extensionId);
}
static_assert(std::is_same_v<decltype(&WireletLoadExtension), WireletLoadExtensionFn>);
#endif

#ifndef WIRELET_OMIT_WireletUnloadExtension
WIRELET_ENTRY_POINT int32_t WireletUnloadExtension(const char* extensionId)
{
    return wirelet::PanelBus::Shared().UnloadExtension(extensionId);
}
static_assert(std::is_same_v<decltype(&WireletUnloadExtension), WireletUnloadExtensionFn>);
#endif

#ifndef WIRELET_OMIT_WireletAddEventListener
WIRELET_ENTRY_POINT int32_t WireletAddEventListener(const char* type, TrmlEventListenerFn listener, void* context)
{
    return wirelet::PanelBus::Shared().AddEventListener(type, listener, context);
}
static_assert(std::is_same_v<decltype(&WireletAddEventListener), WireletAddEventListenerFn>);
#endif

#ifndef WIRELET_OMIT_WireletRemoveEventListener
WIRELET_ENTRY_POINT int32_t WireletRemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context)
{
    return wirelet::PanelBus::Shared().RemoveEventListener(type, listener, context);
}
static_assert(std::is_same_v<decltype(&WireletRemoveEventListener), WireletRemoveEventListenerFn>);
#endif

#ifndef WIRELET_OMIT_WireletDispatchEvent
WIRELET_ENTRY_POINT int32_t WireletDispatchEvent(const TrmlEvent* event)
{
    return wirelet::PanelBus::Shared().DispatchEvent(event);
}
static_assert(std::is_same_v<decltype(&WireletDispatchEvent), WireletDispatchEventFn>);
#endif

}  // extern "C"
