/* The panel event record and the five entry points of the panel service library ("Wirelet"), as a plug-in
   binds them by name at run time. */
#ifndef PENDRAKE_PANELEVENT_H
#define PENDRAKE_PANELEVENT_H

#include <stdint.h>

#ifdef __cplusplus
namespace trml {
namespace event {
extern "C" {
#endif

/* One event, in either direction. An incoming record and its texts belong to the library and are valid only
   during the listener call; an outgoing one belongs to the sender for the duration of the dispatch call. */
typedef struct Event {
    const char* type;      /* NUL-terminated event type, a namespace, "." and a name */
    int32_t scope;         /* 8-byte aligned; 4 bytes of filler follow on 64-bit systems */
    const char* sender;    /* a word naming the message */
    const char* extension; /* the addressed extension, or null for every listener of the type */
    const char* data;      /* NUL-terminated payload, or null */
} Event;

typedef void (*EventListenerFn)(const Event* event, void* context);

#ifdef __cplusplus
}
}  // namespace event
}  // namespace trml
typedef trml::event::Event TrmlEvent;
typedef trml::event::EventListenerFn TrmlEventListenerFn;
extern "C" {
#else
typedef Event TrmlEvent;
typedef EventListenerFn TrmlEventListenerFn;
#endif

#define kWireletLoadExtensionName "WireletLoadExtension"
#define kWireletUnloadExtensionName "WireletUnloadExtension"
#define kWireletAddEventListenerName "WireletAddEventListener"
#define kWireletRemoveEventListenerName "WireletRemoveEventListener"
#define kWireletDispatchEventName "WireletDispatchEvent"

/* The library's entry points: 0 for success, a nonzero code otherwise. */
typedef int32_t (*WireletLoadExtensionFn)(const char* extensionId);
typedef int32_t (*WireletUnloadExtensionFn)(const char* extensionId);
typedef int32_t (*WireletAddEventListenerFn)(const char* type, TrmlEventListenerFn listener, void* context);
typedef int32_t (*WireletRemoveEventListenerFn)(const char* type, TrmlEventListenerFn listener, void* context);
typedef int32_t (*WireletDispatchEventFn)(const TrmlEvent* event);

#ifdef __cplusplus
}
#endif

#endif
