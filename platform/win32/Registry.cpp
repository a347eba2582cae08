// The registry on Windows: RegOpenKeyExA / RegQueryValueExA / RegCloseKey, read-only.
#include "SystemHeaders.h"

#include <new>

#include "platform/Platform.h"

namespace platform {

struct RegistryKey {
    HKEY fKey;
};

RegistryKeyRef OpenRegistryKey(RegistryRoot root, const char* subKey) noexcept
{
    const HKEY rootKey = root == RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey, subKey != nullptr ? subKey : "", 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    auto* ref = new (std::nothrow) RegistryKey{key};
    if (ref == nullptr) RegCloseKey(key);
    return ref;
}

bool QueryRegistryValue(RegistryKeyRef key, const char* valueName, void* buffer, uint32_t* size) noexcept
{
    if (key == nullptr || valueName == nullptr || size == nullptr || (buffer == nullptr && *size != 0)) return false;
    DWORD type = 0;
    DWORD stored = *size;
    // A value larger than the buffer gives ERROR_MORE_DATA: refused whole, never cut short.
    if (RegQueryValueExA(key->fKey, valueName, nullptr, &type, static_cast<BYTE*>(buffer), &stored) != ERROR_SUCCESS)
        return false;
    if (stored > *size) return false;
    *size = stored;
    return true;
}

bool CloseRegistryKey(RegistryKeyRef key) noexcept
{
    if (key == nullptr) return false;
    const bool closed = RegCloseKey(key->fKey) == ERROR_SUCCESS;
    delete key;
    return closed;
}

}  // namespace platform
