// Opening a document with its associated program on Windows: ShellExecuteA "open", which reports success with a
// value above 32.
#include "SystemHeaders.h"

#include "platform/Platform.h"

namespace platform {

bool OpenWithDesktop(const std::string& document) noexcept
{
    if (document.empty() || document.find('\0') != std::string::npos) return false;
    const HINSTANCE result = ShellExecuteA(nullptr, "open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform
