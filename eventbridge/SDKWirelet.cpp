#include "SDKWirelet.h"

#include <cstring>
#include <type_traits>

#include "pendrake/IPDError.h"
#include "pendrake/IPDFilePath.h"

namespace {

constexpr char kLibraryName[] = "Wirelet.dll";

// A found symbol as an entry point of the expected type (object and function pointers share one
// representation wherever modules are loaded by name).
template <typename Fn>
Fn AsEntryPoint(void* symbol) noexcept
{
    static_assert(sizeof(Fn) == sizeof(void*));
    Fn function = nullptr;
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

}  // namespace

ZBErr SDKWirelet::Load(const PDFoldersSuite4* folders) noexcept
{
    Unload();
    // The path wrappers throw on a failing host call; that counts as a library that could not be loaded.
    if (const ZBErr error = pd::CodeOfWork([&] { return LoadModuleFile(folders); })) return error;
    return BindEntryPoints();
}

ZBErr SDKWirelet::LoadModuleFile(const PDFoldersSuite4* folders)
{
    if (!folders || !folders->FindFolder) return kCantHappenErr;
    pd::FilePath path;
    const pd::UnicodeString name(kLibraryName);
    if (const ZBErr error = folders->FindFolder(kPDApplicationFolderType, false, path.Get())) return error;
    path.AddComponent(name);
    if (!path.Exists()) return kCantHappenErr;
    fModule = platform::LoadModule(path.GetFullPath().as_UTF8());
    return fModule ? kNoErr : kCantHappenErr;
}

// Each entry point is stored as soon as it is found; the first missing one ends the binding.
ZBErr SDKWirelet::BindEntryPoints() noexcept
{
    const auto bind = [this](auto& entryPoint, const char* name) {
        entryPoint = AsEntryPoint<std::remove_reference_t<decltype(entryPoint)>>(platform::FindSymbol(fModule, name));
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
    fLoadExtension = nullptr;
    fUnloadExtension = nullptr;
    fAddEventListener = nullptr;
    fRemoveEventListener = nullptr;
    fDispatchEvent = nullptr;
    const bool freed = !fModule || platform::FreeModule(fModule);
    fModule = nullptr;
    return freed ? kNoErr : kCantHappenErr;
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
    return fRemoveEventListener ? fRemoveEventListener(type, listener, context) : 1;
}

int32_t SDKWirelet::DispatchEvent(const TrmlEvent* event) const { return fDispatchEvent ? fDispatchEvent(event) : 1; }
