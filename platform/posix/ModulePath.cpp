// The path of the module that holds an address (GetModuleFileName of the calling module), through dladdr.
#include "platform/Platform.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>

namespace platform {

std::string ModulePathOfAddress(const void* address)
{
    if (address == nullptr) {
        return std::string();
    }
    try {
        Dl_info info{};
        link_map* map = nullptr;
        if (dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0 || map == nullptr ||
            map->l_name == nullptr) {
            return std::string();
        }
        std::error_code error;
        // The program itself has an empty name in the link map.
        if (map->l_name[0] == '\0') {
            const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
            return error ? std::string() : program.string();
        }
        const std::filesystem::path module(map->l_name);
        if (module.is_absolute()) {
            return module.string();
        }
        const std::filesystem::path absolute = std::filesystem::absolute(module, error);
        return error ? std::string() : absolute.lexically_normal().string();
    } catch (...) {
        return std::string();
    }
}

}  // namespace platform
