// Dynamic modules on Linux: dlopen / dlsym / dlclose, with the loader's last failure kept per thread.
#include "ModuleError.h"
#include "platform/Platform.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

// The pending dlerror text, or the given fallback when the loader has none.
void SetModuleErrorFromLoader(const char* fallback) noexcept
{
    const char* text = dlerror();
    SetModuleError(text != nullptr ? text : fallback);
}

std::string ExecutablePath()
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

// A relative path with a folder part is made absolute against the current folder, so that the loader keeps the
// full path (ModuleFileName reports it later, whatever the current folder is then). A bare file name is left to
// the loader's own search.
std::string AbsolutePathOf(const std::string& path)
{
    const std::filesystem::path given(path);
    if (given.is_absolute() || path.find('/') == std::string::npos) {
        return path;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    return error ? path : absolute.lexically_normal().string();
}

}  // namespace

ModuleHandle LoadModule(const std::string& path) noexcept
{
    if (path.empty()) {
        // dlopen of an empty name would hand out the program itself, which is not a module at a path.
        SetModuleError("empty module path");
        return nullptr;
    }
    if (path.find('\0') != std::string::npos) {
        SetModuleError("module path contains a NUL character");
        return nullptr;
    }
    std::string fullPath;
    try {
        fullPath = AbsolutePathOf(path);
    } catch (...) {
        SetModuleError("cannot resolve module path");
        return nullptr;
    }
    dlerror();
    void* module = dlopen(fullPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        SetModuleErrorFromLoader("cannot load module");
    }
    return module;
}

void* FindSymbol(ModuleHandle module, const char* name) noexcept
{
    if (module == nullptr || name == nullptr) {
        SetModuleError(module == nullptr ? "null module handle" : "null symbol name");
        return nullptr;
    }
    dlerror();
    void* address = dlsym(module, name);
    if (address == nullptr) {
        SetModuleErrorFromLoader("symbol has no address");
    }
    return address;
}

bool FreeModule(ModuleHandle module) noexcept
{
    if (module == nullptr) {
        SetModuleError("null module handle");
        return false;
    }
    dlerror();
    if (dlclose(module) != 0) {
        SetModuleErrorFromLoader("cannot unload module");
        return false;
    }
    return true;
}

std::string ModuleFileName(ModuleHandle module)
{
    if (module == nullptr) {
        return std::string();
    }
    try {
        link_map* map = nullptr;
        if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) {
            return std::string();
        }
        // The program itself has an empty name in the link map.
        if (map->l_name[0] == '\0') {
            return ExecutablePath();
        }
        return std::string(map->l_name);
    } catch (...) {
        return std::string();
    }
}

bool AddressInModule(const void* address, ModuleHandle module) noexcept
{
    if (address == nullptr || module == nullptr) {
        return false;
    }
    link_map* moduleMap = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &moduleMap) != 0 || moduleMap == nullptr) {
        return false;
    }
    Dl_info info{};
    link_map* addressMap = nullptr;
    if (dladdr1(address, &info, reinterpret_cast<void**>(&addressMap), RTLD_DL_LINKMAP) == 0) {
        return false;
    }
    return addressMap == moduleMap;
}

}  // namespace platform
