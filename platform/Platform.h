// The one interface between plug-in code and the operating system. Plug-ins call these, never an OS header,
// so that the Windows build (platform/win32) and the Linux build with its stand-ins (platform/posix) differ
// only here. Nothing here throws.
#ifndef PLATFORM_PLATFORM_H
#define PLATFORM_PLATFORM_H

#include <string>

namespace platform {

// Dynamic modules: LoadLibraryW / GetProcAddress / FreeLibrary on Windows, dlopen / dlsym / dlclose elsewhere.
// A module handle is the system's own handle (HMODULE, or the dlopen handle), so that a handle the host hands
// out for a plug-in's module can be given to ModuleFileName.
using ModuleHandle = void*;

// Loads the module at a UTF-8 path; null when it cannot be loaded (LastModuleError tells why).
ModuleHandle LoadModule(const std::string& path) noexcept;
// The address of an exported name, or null.
void* FindSymbol(ModuleHandle module, const char* name) noexcept;
// Unloads a module of LoadModule; false when the system refuses.
bool FreeModule(ModuleHandle module) noexcept;
// The last loader failure of this thread, for messages.
std::string LastModuleError();
// The full path of a loaded module (GetModuleFileName), empty when unknown.
std::string ModuleFileName(ModuleHandle module);
// Whether address (code or data) lies in the loaded module.
bool AddressInModule(const void* address, ModuleHandle module) noexcept;

// Bundles, the stand-in for CFBundleCreate / CFBundleGetFunctionPointerForName / CFBundleIsExecutableLoaded /
// CFRelease. A bundle is a folder; its executable is the file inside it named like the folder without its
// extension ("Wirelet.framework/Wirelet"), loaded on the first function look-up.
struct Bundle;
using BundleRef = Bundle*;

// Null when the folder does not exist.
BundleRef CreateBundle(const std::string& folderPath) noexcept;
// Loads the executable if needed; null when it cannot be loaded or lacks the name.
void* BundleFunctionPointer(BundleRef bundle, const char* name) noexcept;
bool BundleIsExecutableLoaded(BundleRef bundle) noexcept;
// Unloads the executable if loaded and frees the reference; null is accepted.
void ReleaseBundle(BundleRef bundle) noexcept;

}  // namespace platform

#endif
