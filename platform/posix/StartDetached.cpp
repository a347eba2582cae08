// Starts a program as a grandchild: fork, the child forks again and exits at once, the grandchild execs. A
// close-on-exec pipe tells the caller whether the exec succeeded: it reaches end of file when the exec closed it,
// or carries the errno of a failed fork or exec. Between fork and exec only async-signal-safe calls are made, as
// the host may run other threads.
#include "StartDetached.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace platform {
namespace {

bool IsExecutableFile(const std::string& path) noexcept
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The file to exec: the name itself when it holds a "/", otherwise the first executable file of that name in
// PATH (the system's default path when PATH is unset); empty when there is none.
std::string ProgramFile(const std::string& name)
{
    if (name.find('/') != std::string::npos) {
        return name;
    }
    const char* variable = std::getenv("PATH");
    const std::string search = variable != nullptr ? variable : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = search.find(':', start);
        const std::string folder = search.substr(start, end == std::string::npos ? std::string::npos : end - start);
        // An empty entry stands for the current folder.
        const std::string candidate = folder.empty() ? name : folder + "/" + name;
        if (IsExecutableFile(candidate)) {
            return candidate;
        }
        if (end == std::string::npos) {
            return std::string();
        }
        start = end + 1;
    }
}

[[noreturn]] void ReportAndExit(int pipeOut, int error) noexcept
{
    ssize_t written = -1;
    do {
        written = write(pipeOut, &error, sizeof error);
    } while (written < 0 && errno == EINTR);
    _exit(127);
}

// In the grandchild: a session of its own (the host's terminal signals do not reach it), no blocked signals,
// SIGPIPE back to its default, standard input from /dev/null (it must not read the host's console).
[[noreturn]] void ExecProgram(const char* file, char* const* argv, int pipeOut) noexcept
{
    setsid();
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &standard, nullptr);
    const int nothing = open("/dev/null", O_RDONLY);
    if (nothing > 0) {
        dup2(nothing, 0);
        close(nothing);
    }
    execve(file, argv, environ);
    ReportAndExit(pipeOut, errno);
}

// Reads the grandchild's report: true when the pipe reached end of file without an errno in it.
bool ExecSucceeded(int pipeIn) noexcept
{
    int error = 0;
    std::size_t got = 0;
    while (got < sizeof error) {
        const ssize_t count = read(pipeIn, reinterpret_cast<char*>(&error) + got, sizeof error - got);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        got += static_cast<std::size_t>(count);
    }
    return got == 0;
}

}  // namespace

bool StartDetached(const std::vector<std::string>& arguments) noexcept
{
    std::string file;
    std::vector<std::string> strings;
    std::vector<char*> argv;
    try {
        if (arguments.empty() || arguments[0].empty()) {
            return false;
        }
        for (const std::string& argument : arguments) {
            if (argument.find('\0') != std::string::npos) {
                return false;
            }
        }
        file = ProgramFile(arguments[0]);
        if (file.empty()) {
            return false;
        }
        strings = arguments;
        for (std::string& argument : strings) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
    } catch (...) {
        return false;
    }

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        const pid_t grandchild = fork();
        if (grandchild < 0) {
            ReportAndExit(report[1], errno);
        }
        if (grandchild > 0) {
            _exit(0);
        }
        ExecProgram(file.c_str(), argv.data(), report[1]);
    }
    close(report[1]);
    if (child < 0) {
        close(report[0]);
        return false;
    }
    int status = 0;
    pid_t reaped = -1;
    do {
        reaped = waitpid(child, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    // ECHILD: the host ignores SIGCHLD, and the system has reaped the child itself.
    const bool childDone = reaped == child || (reaped < 0 && errno == ECHILD);
    const bool started = ExecSucceeded(report[0]);
    close(report[0]);
    return childDone && started;
}

}  // namespace platform
