#include "ModuleError.h"

#include <string>

#include "platform/Platform.h"

namespace platform {
namespace {

thread_local std::string gLastModuleError;

}  // namespace

void SetModuleError(const char* text) noexcept
{
    try {
        gLastModuleError = text != nullptr ? text : "";
    } catch (...) {
        gLastModuleError.clear();
    }
}

std::string LastModuleError()
{
    try {
        return gLastModuleError;
    } catch (...) {
        return std::string();
    }
}

}  // namespace platform
