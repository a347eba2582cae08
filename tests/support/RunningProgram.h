// A program started to run beside the test: its standard output read line by line through a pipe as it comes,
// its standard error caught in a file, and signalled or waited for. Every wait has a bound, only as a safety net:
// a program that hangs fails the test instead of stopping it.
#ifndef TESTS_SUPPORT_RUNNINGPROGRAM_H
#define TESTS_SUPPORT_RUNNINGPROGRAM_H

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class RunningProgram {
public:
    // arguments[0] is the program; its standard error goes to errFile.
    RunningProgram(const std::vector<std::string>& arguments, const std::filesystem::path& errFile);
    // A program still running is killed.
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The next line of its standard output, without the line end; nothing when the output ended first or no
    // line came within limit.
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit);
    void Signal(int signal) const;
    // Reads the rest of its standard output (into *rest) to its end and waits for the program to exit; its exit
    // code, or -1 when it did not exit normally or not within limit (it is killed then).
    int Wait(std::chrono::milliseconds limit, std::string* rest = nullptr);

private:
    // Appends what the pipe holds, waiting until the deadline for something; false at the end of the output or
    // the deadline.
    bool Fill(std::chrono::steady_clock::time_point deadline);
    void Kill();

    pid_t fChild = -1;
    int fOut = -1;
    std::string fBuffer;
};

#endif
