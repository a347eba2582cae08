#include "SDKWirelet.h"

#include <cstring>
#include <new>
#include <type_traits>

#include "pendrake/IPDError.h"
#include "pendrake/IPDFilePath.h"

namespace {

// A found symbol as an entry point of the expected type; object and function pointers share one
// representation on every system that loads modules by name.
template <typename Fn>
Fn AsEntryPoint(void* symbol) noexcept
{
    static_assert(sizeof(Fn) == sizeof(void*));
    Fn function = nullptr;
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

// The library calls of each edition, chosen by the type of SDKWirelet::LibraryRef: bundles for the macOS
// feature set, modules otherwise. Each edition uses one set of the two.
[[maybe_unused]] void OpenLibrary(const std::string& path, platform::BundleRef& library) noexcept
{
    library = platform::CreateBundle(path);
}
[[maybe_unused]] void OpenLibrary(const std::string& path, platform::ModuleHandle& library) noexcept
{
    library = platform::LoadModule(path);
}
[[maybe_unused]] void* FindFunction(platform::BundleRef library, const char* name) noexcept
{
    return platform::BundleFunctionPointer(library, name);
}
[[maybe_unused]] void* FindFunction(platform::ModuleHandle library, const char* name) noexcept
{
    return platform::FindSymbol(library, name);
}
[[maybe_unused]] bool CloseLibrary(platform::BundleRef library) noexcept
{
    platform::ReleaseBundle(library);
    return true;
}
[[maybe_unused]] bool CloseLibrary(platform::ModuleHandle library) noexcept
{
    return !library || platform::FreeModule(library);
}
// A bundle can be asked whether its code is loaded; a bound module is loaded.
[[maybe_unused]] bool CodeLoaded(platform::BundleRef library) noexcept
{
    return platform::BundleIsExecutableLoaded(library);
}
[[maybe_unused]] bool CodeLoaded(platform::ModuleHandle) noexcept { return true; }

}  // namespace

ZBErr SDKWirelet::Load(const PDFoldersSuite5* folders) noexcept
{
    Unload();
    if (const ZBErr error = pd::CodeOfWork([&] { return LoadLibrary(folders); })) return error;
    return BindEntryPoints();
}

ZBErr SDKWirelet::LoadLibrary(const PDFoldersSuite5* folders)
{
    if (!folders || !folders->FindFolder) return kCantHappenErr;
    pd::FilePath path;
    const pd::UnicodeString name(kWireletLibraryName);
    if (const ZBErr error = folders->FindFolder(kWireletFolderType, false, path.Get())) return error;
    path.AddComponent(name);
    if (!path.Exists()) return kCantHappenErr;
    OpenLibrary(path.GetFullPath().as_UTF8(), fLibrary);
    return fLibrary ? kNoErr : kCantHappenErr;
}

void* SDKWirelet::FindEntryPoint(const char* name) const noexcept { return FindFunction(fLibrary, name); }

// Each entry point is stored as soon as it is found; the first missing one ends the binding.
ZBErr SDKWirelet::BindEntryPoints() noexcept
{
    const auto bind = [this](auto& entryPoint, const char* name) {
        entryPoint = AsEntryPoint<std::remove_reference_t<decltype(entryPoint)>>(FindEntryPoint(name));
        return entryPoint != nullptr;
    };
    const bool bound =
        bind(fLoadExtension, kWireletLoadExtensionName) && bind(fUnloadExtension, kWireletUnloadExtensionName) &&
        bind(fAddEventListener, kWireletAddEventListenerName) &&
        bind(fRemoveEventListener, kWireletRemoveEventListenerName) && bind(fDispatchEvent, kWireletDispatchEventName);
    return bound ? kNoErr : kCantHappenErr;
}

ZBErr SDKWirelet::Unload() noexcept
{
    // The entry points die with the library.
    fLoadExtension = nullptr;
    fUnloadExtension = nullptr;
    fAddEventListener = nullptr;
    fRemoveEventListener = nullptr;
    fDispatchEvent = nullptr;
    const bool closed = CloseLibrary(fLibrary);
    fLibrary = nullptr;
    return closed ? kNoErr : kCantHappenErr;
}

int32_t SDKWirelet::LoadExtension(const char* extensionId) const
{
    return fLoadExtension ? fLoadExtension(extensionId) : 0;
}

int32_t SDKWirelet::UnloadExtension(const char* extensionId) const
{
    return fUnloadExtension ? fUnloadExtension(extensionId) : 0;
}

int32_t SDKWirelet::AddEventListener(const char* type, TrmlEventListenerFn listener, void* context) const
{
    return fAddEventListener ? fAddEventListener(type, listener, context) : 1;
}

int32_t SDKWirelet::RemoveEventListener(const char* type, TrmlEventListenerFn listener, void* context) const
{
    if (!fRemoveEventListener || !CodeLoaded(fLibrary)) return 1;
    return fRemoveEventListener(type, listener, context);
}

int32_t SDKWirelet::DispatchEvent(const TrmlEvent* event) const { return fDispatchEvent ? fDispatchEvent(event) : 1; }
