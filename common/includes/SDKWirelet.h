// SDKWirelet: the binding of the host's panel service library, loaded by path at run time and bound by its five
// entry-point names. Entry points that could not be bound stay null: the two extension calls then answer 0,
// the listener and dispatch calls answer 1, and nothing reaches the library.
#ifndef MARKPLUG_SDKWIRELET_H
#define MARKPLUG_SDKWIRELET_H

#include <type_traits>

#include "Edition.h"
#include "pendrake/PDFolders.h"
#include "pendrake/PanelEvent.h"
#include "platform/Platform.h"

class SDKWirelet {
public:
    // The library itself: a bundle reference in the macOS feature set, a module handle otherwise.
    using LibraryRef = std::conditional_t<kMacEdition, platform::BundleRef, platform::ModuleHandle>;

    SDKWirelet() noexcept = default;
    ~SDKWirelet() { Unload(); }
    SDKWirelet(const SDKWirelet&) = delete;
    SDKWirelet& operator=(const SDKWirelet&) = delete;

    // Finds the library in the host folder through the Folders suite, loads it and binds the entry points in
    // table order. A Folders error is returned as it is; a missing file, an unloadable library or a missing
    // entry point gives kCantHappenErr, the entry points bound before it staying bound.
    ZBErr Load(const PDFoldersSuite5* folders) noexcept;
    // Unloads the library and forgets every entry point. kCantHappenErr when the system refuses to unload.
    ZBErr Unload() noexcept;

    int32_t LoadExtension(const char* extensionId) const;
    int32_t UnloadExtension(const char* extensionId) const;
    int32_t AddEventListener(const char* type, TrmlEventListenerFn listener, void* context) const;
    int32_t RemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context) const;
    int32_t DispatchEvent(const TrmlEvent* event) const;

private:
    ZBErr LoadLibrary(const PDFoldersSuite5* folders);
    ZBErr BindEntryPoints() noexcept;
    void* FindEntryPoint(const char* name) const noexcept;

    LibraryRef fLibrary = nullptr;
    WireletLoadExtensionFn fLoadExtension = nullptr;
    WireletUnloadExtensionFn fUnloadExtension = nullptr;
    WireletAddEventListenerFn fAddEventListener = nullptr;
    WireletRemoveEventListenerFn fRemoveEventListener = nullptr;
    WireletDispatchEventFn fDispatchEvent = nullptr;
};

#endif
