// Starts a program as a grandchild without copying the host's memory: the intermediate process shares it
// (clone with CLONE_VM | CLONE_VFORK, so this thread waits until it ends), starts the program with posix_spawn,
// which tells whether the exec succeeded, and exits at once. A fork would copy the page tables of a host that
// may hold a large document, and every page the host writes afterwards would fault once more. Signals stay
// blocked while the intermediate runs, so that no handler of the host runs on its stack.
#include "StartDetached.h"

#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
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

// What the intermediate process needs and what it reports; it shares this memory with the caller.
struct SpawnRequest {
    const char* file = nullptr;
    char* const* argv = nullptr;
    const posix_spawn_file_actions_t* actions = nullptr;
    const posix_spawnattr_t* attributes = nullptr;
    int result = -1;  // posix_spawn's: 0 when the program image was started
};

// The intermediate process: it only starts the program and ends; its child is then adopted by init.
int SpawnAndExit(void* argument) noexcept
{
    auto* request = static_cast<SpawnRequest*>(argument);
    pid_t program = 0;
    request->result =
        posix_spawn(&program, request->file, request->actions, request->attributes, request->argv, environ);
    return 0;  // the end of the intermediate process: clone exits with it
}

// The program's start: a session of its own (the host's terminal signals do not reach it), no blocked signals,
// SIGPIPE back to its default, standard input from /dev/null (it must not read the host's console).
bool SpawnDetached(SpawnRequest& request) noexcept
{
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return false;
    }
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    sigset_t none;
    sigemptyset(&none);
    sigset_t standard;
    sigemptyset(&standard);
    sigaddset(&standard, SIGPIPE);
    bool ready = posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0) == 0 &&
                 posix_spawnattr_setflags(&attributes,
                                          POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0 &&
                 posix_spawnattr_setsigmask(&attributes, &none) == 0 &&
                 posix_spawnattr_setsigdefault(&attributes, &standard) == 0;
    // The intermediate's stack; it is only used while this thread waits.
    constexpr std::size_t kStackSize = 64 * 1024;
    void* stack =
        ready ? mmap(nullptr, kStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0)
              : MAP_FAILED;
    bool started = false;
    if (stack != MAP_FAILED) {
        request.actions = &actions;
        request.attributes = &attributes;
        sigset_t all;
        sigfillset(&all);
        sigset_t previous;
        pthread_sigmask(SIG_SETMASK, &all, &previous);
        const pid_t child =
            clone(SpawnAndExit, static_cast<char*>(stack) + kStackSize, CLONE_VM | CLONE_VFORK | SIGCHLD, &request);
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        if (child > 0) {
            int status = 0;
            pid_t reaped = -1;
            do {
                reaped = waitpid(child, &status, 0);
            } while (reaped < 0 && errno == EINTR);
            // ECHILD: the host ignores SIGCHLD, and the system has reaped the child itself.
            const bool childDone = reaped == child || (reaped < 0 && errno == ECHILD);
            started = childDone && request.result == 0;
        }
        munmap(stack, kStackSize);
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return started;
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

    SpawnRequest request;
    request.file = file.c_str();
    request.argv = argv.data();
    return SpawnDetached(request);
}

}  // namespace platform
