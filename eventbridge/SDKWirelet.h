// SDKWirelet: eventbridge's binding of the host's panel service library, "Wirelet.dll" in the host's own
// folder, bound by its five entry-point names. Entry points that could not be bound stay null: the extension
// calls then answer 0, the listener and dispatch calls answer 1, and nothing reaches the library.
#ifndef EVENTBRIDGE_SDKWIRELET_H
#define EVENTBRIDGE_SDKWIRELET_H

#include "pendrake/PDFolders.h"
#include "pendrake/PanelEvent.h"
#include "platform/Platform.h"

class SDKWirelet {
public:
    SDKWirelet() noexcept = default;
    // The adapter never unbinds: the panel library is the host's and stays loaded when eventbridge's own code
    // goes (freeing it from a destructor run while eventbridge is being unloaded would unload modules inside
    // the unloading of another).
    ~SDKWirelet() = default;
    SDKWirelet(const SDKWirelet&) = delete;
    SDKWirelet& operator=(const SDKWirelet&) = delete;

    // Finds the library through the Folders suite (folder type 0), loads it and binds the entry points in
    // table order. A Folders error is returned as it is; a missing file, an unloadable module or a missing
    // entry point gives kCantHappenErr, the entry points bound before it staying bound. Never throws.
    ZBErr Load(const PDFoldersSuite4* folders) noexcept;
    // Frees the module and forgets every entry point; kCantHappenErr when the system refuses.
    ZBErr Unload() noexcept;

    int32_t LoadExtension(const char* extensionId) const;
    int32_t UnloadExtension(const char* extensionId) const;
    int32_t AddEventListener(const char* type, TrmlEventListenerFn listener, void* context) const;
    int32_t RemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context) const;
    int32_t DispatchEvent(const TrmlEvent* event) const;

private:
    ZBErr LoadModuleFile(const PDFoldersSuite4* folders);
    ZBErr BindEntryPoints() noexcept;

    platform::ModuleHandle fModule = nullptr;
    WireletLoadExtensionFn fLoadExtension = nullptr;
    WireletUnloadExtensionFn fUnloadExtension = nullptr;
    WireletAddEventListenerFn fAddEventListener = nullptr;
    WireletRemoveEventListenerFn fRemoveEventListener = nullptr;
    WireletDispatchEventFn fDispatchEvent = nullptr;
};

#endif
