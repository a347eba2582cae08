// Starts a program as a grandchild without copying this process's memory map, however large the document it
// holds: an intermediate process made with clone() shares this process's memory on a stack of its own, while
// the calling thread waits as with vfork, starts the program with posix_spawn (which also shares the memory up to
// the exec and reports an exec that failed) and exits at once. A close-on-exec pipe tells the caller whether the
// program was started: it reaches end of file, or carries the errno of the start that failed. Every signal stays
// blocked while the intermediate runs, so that no handler of the host runs on it.
#include "StartDetached.h"

#include <errno.h>
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace platform {
namespace {

// Room for posix_spawn's own frames; the program gets a stack of posix_spawn's making.
constexpr std::size_t kIntermediateStackSize = 256 * 1024;

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

// What the intermediate needs, made ready before it runs: it only calls posix_spawn, write and _exit.
struct Launch {
    const char* file;
    char* const* argv;
    const posix_spawn_file_actions_t* actions;
    const posix_spawnattr_t* attributes;
    int reportOut;
};

// The intermediate never returns: it ends with _exit on a stack that AddressSanitizer does not know, so none of
// its frames are instrumented (their shadow would stay poisoned after the stack is gone).
__attribute__((no_sanitize("address"))) int RunIntermediate(void* data) noexcept
{
    const Launch* launch = static_cast<const Launch*>(data);
    pid_t program = 0;
    int error = posix_spawn(&program, launch->file, launch->actions, launch->attributes, launch->argv, environ);
    if (error != 0) {
        ssize_t written = -1;
        do {
            written = write(launch->reportOut, &error, sizeof error);
        } while (written < 0 && errno == EINTR);
        _exit(127);
    }
    _exit(0);
}

// The program's start: a session of its own (the host's terminal signals do not reach it), no blocked signals,
// SIGPIPE back to its default (posix_spawn also sets every other signal the host handles back to its default),
// standard input from /dev/null (it must not read the host's console).
class SpawnSettings {
public:
    SpawnSettings() noexcept
    {
        fActionsMade = posix_spawn_file_actions_init(&fActions) == 0;
        fAttributesMade = posix_spawnattr_init(&fAttributes) == 0;
        if (!fActionsMade || !fAttributesMade) return;
        sigset_t none;
        sigemptyset(&none);
        sigset_t standard;
        sigemptyset(&standard);
        sigaddset(&standard, SIGPIPE);
        fReady = posix_spawn_file_actions_addopen(&fActions, 0, "/dev/null", O_RDONLY, 0) == 0 &&
                 posix_spawnattr_setsigmask(&fAttributes, &none) == 0 &&
                 posix_spawnattr_setsigdefault(&fAttributes, &standard) == 0 &&
                 posix_spawnattr_setflags(&fAttributes, static_cast<short>(POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                                           POSIX_SPAWN_SETSIGDEF)) == 0;
    }
    ~SpawnSettings()
    {
        if (fActionsMade) posix_spawn_file_actions_destroy(&fActions);
        if (fAttributesMade) posix_spawnattr_destroy(&fAttributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    bool Ready() const noexcept { return fReady; }
    const posix_spawn_file_actions_t* Actions() const noexcept { return &fActions; }
    const posix_spawnattr_t* Attributes() const noexcept { return &fAttributes; }

private:
    posix_spawn_file_actions_t fActions{};
    posix_spawnattr_t fAttributes{};
    bool fActionsMade = false;
    bool fAttributesMade = false;
    bool fReady = false;
};

// Runs the intermediate on a stack of its own and reaps it; false when it could not be made.
bool RunAndReapIntermediate(Launch& launch) noexcept
{
    void* stack =
        mmap(nullptr, kIntermediateStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (stack == MAP_FAILED) {
        return false;
    }
    sigset_t all;
    sigfillset(&all);
    sigset_t saved;
    pthread_sigmask(SIG_SETMASK, &all, &saved);
    // The stack grows down from its end. The thread goes on only once the intermediate has exited.
    const pid_t child = clone(RunIntermediate, static_cast<char*>(stack) + kIntermediateStackSize,
                              CLONE_VM | CLONE_VFORK | SIGCHLD, &launch);
    pthread_sigmask(SIG_SETMASK, &saved, nullptr);
    munmap(stack, kIntermediateStackSize);
    if (child < 0) {
        return false;
    }
    int status = 0;
    pid_t reaped = -1;
    do {
        reaped = waitpid(child, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    // ECHILD: the host ignores SIGCHLD, and the system has reaped the child itself.
    return reaped == child || (reaped < 0 && errno == ECHILD);
}

// Reads the intermediate's report: true when the pipe reached end of file without an errno in it.
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
    const SpawnSettings settings;
    if (!settings.Ready()) {
        return false;
    }

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    Launch launch{file.c_str(), argv.data(), settings.Actions(), settings.Attributes(), report[1]};
    const bool childDone = RunAndReapIntermediate(launch);
    close(report[1]);
    const bool started = childDone && ExecSucceeded(report[0]);
    close(report[0]);
    return started;
}

}  // namespace platform
