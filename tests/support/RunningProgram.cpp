#include "RunningProgram.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>

extern char** environ;

RunningProgram::RunningProgram(const std::vector<std::string>& arguments, const std::filesystem::path& errFile)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> strings = arguments;
    std::vector<char*> argv;
    for (std::string& argument : strings) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&fChild, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    fOut = ends[0];
    if (spawned != 0) {
        close(fOut);
        throw std::runtime_error("cannot start " + arguments[0]);
    }
}

RunningProgram::~RunningProgram()
{
    if (fChild > 0) Kill();
    if (fOut >= 0) close(fOut);
}

bool RunningProgram::Fill(std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd ready{fOut, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return false;
        char bytes[4096];
        const ssize_t got = read(fOut, bytes, sizeof bytes);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        fBuffer.append(bytes, static_cast<std::size_t>(got));
        return true;
    }
}

std::optional<std::string> RunningProgram::ReadLine(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const std::size_t end = fBuffer.find('\n');
        if (end != std::string::npos) {
            std::string line = fBuffer.substr(0, end);
            fBuffer.erase(0, end + 1);
            return line;
        }
        if (!Fill(deadline)) return std::nullopt;
    }
}

void RunningProgram::Signal(int signal) const
{
    if (fChild > 0) kill(fChild, signal);
}

int RunningProgram::Wait(std::chrono::milliseconds limit, std::string* rest)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (Fill(deadline)) {}
    if (rest) *rest = std::exchange(fBuffer, {});
    if (std::chrono::steady_clock::now() >= deadline) {
        Kill();
        return -1;
    }
    int status = 0;
    while (waitpid(fChild, &status, 0) < 0 && errno == EINTR) {}
    fChild = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RunningProgram::Kill()
{
    kill(fChild, SIGKILL);
    int status = 0;
    while (waitpid(fChild, &status, 0) < 0 && errno == EINTR) {}
    fChild = -1;
}
