// Runs a program to its end with its standard output and error caught in files.
#ifndef TESTS_SUPPORT_PROGRAMRUN_H
#define TESTS_SUPPORT_PROGRAMRUN_H

#include <filesystem>
#include <string>
#include <vector>

struct ProgramResult {
    int fExitCode = -1;  // -1 when the program did not exit normally
    std::string fOut;
    std::string fErr;
};

// arguments[0] is the program; the caught output goes through files in folder.
ProgramResult RunProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder);

std::string FileText(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

#endif
