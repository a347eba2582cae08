// Starting a program from a command line (WinExec) on Linux: the line is split into arguments and the first one
// is started directly, without a shell.
#include "StartDetached.h"
#include "platform/Platform.h"

#include <vector>

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits at blanks; a double-quoted run, quotes removed, belongs to the argument it stands in ("a b"c is one
// argument, `a bc`). False for a line without arguments or with an unterminated quote.
bool SplitCommandLine(const std::string& line, std::vector<std::string>& arguments)
{
    arguments.clear();
    std::string argument;
    bool inArgument = false;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (IsBlank(c) && !quoted) {
            if (inArgument) {
                arguments.push_back(argument);
                argument.clear();
                inArgument = false;
            }
        } else {
            argument += c;
            inArgument = true;
        }
    }
    if (quoted) {
        return false;
    }
    if (inArgument) {
        arguments.push_back(argument);
    }
    return !arguments.empty();
}

}  // namespace

bool StartProgram(const std::string& commandLine, int /*showCommand: Linux programs have no window state*/) noexcept
{
    try {
        std::vector<std::string> arguments;
        return SplitCommandLine(commandLine, arguments) && StartDetached(arguments);
    } catch (...) {
        return false;
    }
}

}  // namespace platform
