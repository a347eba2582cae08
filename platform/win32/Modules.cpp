// Dynamic modules on Windows: LoadLibraryExW / GetProcAddress / FreeLibrary, with the loader's last failure
// kept per thread as text.
#include "SystemHeaders.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "ModuleError.h"
#include "WideText.h"
#include "platform/Platform.h"

namespace platform {
namespace {

// "what (error N: the system's message)".
void SetModuleErrorFromSystem(const char* what) noexcept
{
    const DWORD code = GetLastError();
    char message[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        message, sizeof message, nullptr);
    // The system's message ends with a line break.
    for (DWORD end = length; end > 0 && (message[end - 1] == '\r' || message[end - 1] == '\n'); --end)
        message[end - 1] = '\0';
    char text[700];
    std::snprintf(text, sizeof text, "%s (error %lu%s%s)", what, static_cast<unsigned long>(code),
                  message[0] != '\0' ? ": " : "", message);
    SetModuleError(text);
}

// The loaded module whose image holds address (code or data), without taking a reference; null when none does.
HMODULE ModuleHolding(const void* address) noexcept
{
    HMODULE holder = nullptr;
    if (address == nullptr ||
        !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &holder))
        return nullptr;
    return holder;
}

}  // namespace

ModuleHandle LoadModule(const std::string& path) noexcept
{
    if (path.empty()) {
        SetModuleError("empty module path");
        return nullptr;
    }
    try {
        std::wstring wide;
        if (!WideFromUtf8(path, wide)) {
            SetModuleError("module path is not UTF-8 text without NUL");
            return nullptr;
        }
        std::error_code error;
        const std::filesystem::path given(wide);
        // A module at a full path finds the modules it depends on beside it first, as a plug-in folder needs.
        const bool hasFolder = given.has_parent_path();
        const std::filesystem::path full = hasFolder ? std::filesystem::absolute(given, error) : given;
        const HMODULE module =
            LoadLibraryExW(error ? wide.c_str() : full.c_str(), nullptr, hasFolder ? LOAD_WITH_ALTERED_SEARCH_PATH : 0);
        if (module == nullptr) SetModuleErrorFromSystem("cannot load module");
        return reinterpret_cast<ModuleHandle>(module);
    } catch (...) {
        SetModuleError("cannot resolve module path");
        return nullptr;
    }
}

void* FindSymbol(ModuleHandle module, const char* name) noexcept
{
    if (module == nullptr || name == nullptr) {
        SetModuleError(module == nullptr ? "null module handle" : "null symbol name");
        return nullptr;
    }
    const FARPROC address = GetProcAddress(static_cast<HMODULE>(module), name);
    if (address == nullptr) SetModuleErrorFromSystem("symbol not found");
    return reinterpret_cast<void*>(address);
}

bool FreeModule(ModuleHandle module) noexcept
{
    if (module == nullptr) {
        SetModuleError("null module handle");
        return false;
    }
    if (!FreeLibrary(static_cast<HMODULE>(module))) {
        SetModuleErrorFromSystem("cannot unload module");
        return false;
    }
    return true;
}

std::string ModuleFileName(ModuleHandle module)
{
    if (module == nullptr) return std::string();
    try {
        // Long paths are allowed for; the call truncates silently, so a full buffer is tried again larger.
        std::wstring buffer(MAX_PATH, L'\0');
        for (int attempt = 0; attempt < 6; ++attempt) {
            const DWORD length =
                GetModuleFileNameW(static_cast<HMODULE>(module), buffer.data(), static_cast<DWORD>(buffer.size()));
            if (length == 0) return std::string();
            if (length < buffer.size()) return Utf8FromWide(buffer.data(), static_cast<int>(length));
            buffer.resize(buffer.size() * 2);
        }
        return std::string();
    } catch (...) {
        return std::string();
    }
}

bool AddressInModule(const void* address, ModuleHandle module) noexcept
{
    return module != nullptr && ModuleHolding(address) == static_cast<HMODULE>(module);
}

std::string ModulePathOfAddress(const void* address)
{
    const HMODULE holder = ModuleHolding(address);
    return holder != nullptr ? ModuleFileName(holder) : std::string();
}

}  // namespace platform
