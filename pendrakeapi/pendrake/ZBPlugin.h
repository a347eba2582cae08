/* What the host passes to a plug-in's one exported function: the entry point, the message records and the
   caller and selector names. Every message record starts with ZBMessageData. */
#ifndef PENDRAKE_ZBPLUGIN_H
#define PENDRAKE_ZBPLUGIN_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

struct ZBBasicSuite4;

/* The common header of every message record. */
typedef struct ZBMessageData {
    ZBPlugin* self;                    /* the host's reference for this plug-in */
    void* globals;                     /* kept by the host between calls; the plug-in stores its object here */
    const struct ZBBasicSuite4* basic; /* the Basic suite, from which every other suite is acquired */
} ZBMessageData;

/* "ZB Interface" (Startup, Shutdown, About) and "ZB Access" (Unload, Reload). */
typedef struct ZBInterfaceMessage {
    ZBMessageData d;
} ZBInterfaceMessage;

/* "PD Notifier" / "PD Notify": the notifier that fired and its type. */
typedef struct PDNotifierMessage {
    ZBMessageData d;
    PDNotifierHandle notifier;
    const char* type; /* the notification type, e.g. "PD Art Selection Changed Notifier"; valid during the call */
    void* notifyData; /* data of the notification type, null for the types this host sends */
} PDNotifierMessage;

/* "ZB Properties" (Acquire, Release). */
typedef struct ZBPropertiesMessage {
    ZBMessageData d;
    int32_t vendorID;
    int32_t propertyKey;
    int32_t propertyID;
    void* property;
    int32_t refCon;
} ZBPropertiesMessage;

/* The remaining callers carry a record of their own after the header; this host sends only the header and one
   pointer of caller-specific data for them. */
typedef struct PDGenericMessage {
    ZBMessageData d;
    void* callerData;
} PDGenericMessage;

typedef PDGenericMessage PDActionMessage;
typedef PDGenericMessage PDMenuMessage;
typedef PDGenericMessage PDFilterMessage;
typedef PDGenericMessage PDPluginGroupMessage;
typedef PDGenericMessage PDFileFormatMessage;
typedef PDGenericMessage PDToolMessage;
typedef PDGenericMessage PDLiveEffectMessage;
typedef PDGenericMessage PDTimerMessage;
typedef PDGenericMessage PDClipboardMessage;
typedef PDGenericMessage PDWorkspaceMessage;

/* The entry point every plug-in module exports under the name its property list gives ("PluginMain").
   caller and selector are the host's NUL-terminated names; message points to the record of that caller.
   Returns 0, or an error code; the host never receives kUnhandledMsgErr. */
typedef ZBErr (*ZBPluginMainProc)(const char* caller, const char* selector, void* message);

/* Callers and selectors. */
#define kZBInterfaceCaller "ZB Interface"
#define kZBStartupSelector "Startup"
#define kZBShutdownSelector "Shutdown"
#define kZBAboutSelector "About"
#define kZBAccessCaller "ZB Access"
#define kZBUnloadSelector "Unload"
#define kZBReloadSelector "Reload"
#define kZBCacheCaller "ZB Cache"
#define kZBPurgeCacheSelector "Plug-in Purge"
#define kZBPropertiesCaller "ZB Properties"
#define kZBAcquirePropertySelector "Acquire"
#define kZBReleasePropertySelector "Release"
#define kPDNotifierCaller "PD Notifier"
#define kPDNotifySelector "PD Notify"
#define kPDActionCaller "Action Manager"
#define kPDDoActionSelector "Do Action"
#define kPDMenuCaller "PD Menu"
#define kPDFilterCaller "PD Filter"
#define kPDPluginGroupCaller "PD Plugin Group"
#define kPDFileFormatCaller "PD File Format"
#define kPDToolCaller "PD Tool"
#define kPDLiveEffectCaller "PD Live Effect"
#define kPDTimerCaller "PD Timer"
#define kPDClipboardCaller "PD Clipboard"
#define kPDWorkspaceCaller "Workspace Manager"

/* The plug-in property list: the bytes the host reads from a module before it calls it.
   Layout (little-endian): int16 version 1, int32 0, int32 count; then per property: vendor, key, int32 id 0,
   int32 length, data padded with NUL bytes to a multiple of 4. */
#define kPIPLVendor PD_FOURCC('V', 'L', 'S', 'T')
#define kPIPLKindKey PD_FOURCC('k', 'i', 'n', 'd')
#define kPIPLInterfaceVersionKey PD_FOURCC('i', 'v', 'r', 's')
#define kPIPLEntryPointKey PD_FOURCC('w', 'x', '8', '6')
#define kPIPLNameKey PD_FOURCC('p', 'i', 'n', 'm')
#define kPIPLPluginKind PD_FOURCC('Z', 'B', 'E', 'A')
#define kPIPLInterfaceVersion 2
#define kPIPLResourceID 16000
/* On platforms without resources the property list is carried in an ELF section of this name. */
#define kPIPLSectionName ".pipl"
/* On Windows it is the module's resource of type "PIPL", id kPIPLResourceID, in US English. */
#define kPIPLResourceType "PIPL"
#define kPIPLResourceLanguage 1033

/* The entry point is the one name a plug-in module exports. */
#if defined(_WIN32)
#define PD_PLUGIN_EXPORT __declspec(dllexport)
#else
#define PD_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
}
#endif

#endif
