// Starting a program on Linux without waiting for it: the piece shared by StartProgram and OpenWithDesktop.
#ifndef PLATFORM_POSIX_STARTDETACHED_H
#define PLATFORM_POSIX_STARTDETACHED_H

#include <string>
#include <vector>

namespace platform {

// Starts arguments[0] (looked up in PATH when it holds no "/") with the given arguments, never through a shell,
// in a session of its own, with standard input from /dev/null and the other standard streams inherited. It runs
// as the child of a short-lived intermediate process that is reaped at once, so it is never a child of this
// process and leaves no zombie here. True once the program image was started (the exec succeeded).
bool StartDetached(const std::vector<std::string>& arguments) noexcept;

}  // namespace platform

#endif
