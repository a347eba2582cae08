// Starting a program from a command line on Windows: WinExec, which reports success with a value above 31.
#include "SystemHeaders.h"

#include "platform/Platform.h"

namespace platform {

bool StartProgram(const std::string& commandLine, int showCommand) noexcept
{
    if (commandLine.empty() || commandLine.find('\0') != std::string::npos) return false;
    return WinExec(commandLine.c_str(), static_cast<UINT>(showCommand)) > 31;
}

}  // namespace platform
