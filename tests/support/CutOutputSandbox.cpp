// What the sandbox does alike on every system: finding the cut data file and reading the recorders' records.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "CutOutputSandbox.h"

namespace fs = std::filesystem;

namespace testing_support {
namespace {

// Windows file names ignore case, and Wine's GetTempFileNameA writes ".tmp" where Windows writes ".TMP".
bool IsTmpExtension(const std::string& extension)
{
#if defined(_WIN32)
    return extension == ".TMP" || extension == ".tmp";
#else
    return extension == ".TMP";
#endif
}

}  // namespace

std::string CutOutputSandbox::CutFile() const
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(fTempFolder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("~TX", 0) == 0 && name.size() > 7 && IsTmpExtension(name.substr(name.size() - 4)))
            found.push_back(entry.path().string());
    }
    return found.size() == 1 ? found.front() : std::string();
}

std::size_t CutOutputSandbox::RecordCount() const
{
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(fRecords))
        if (entry.path().extension() == ".rec") ++count;
    return count;
}

std::vector<std::vector<std::string>> CutOutputSandbox::WaitForRecords(std::size_t count) const
{
    // A started program runs on its own; twenty seconds is far more than it needs on any machine.
    for (int i = 0; i < 2000 && RecordCount() < count; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::vector<std::string>> records;
    for (const auto& entry : fs::directory_iterator(fRecords)) {
        if (entry.path().extension() != ".rec") continue;
        std::istringstream lines(FileBytes(entry.path().string()));
        std::vector<std::string> arguments;
        for (std::string line; std::getline(lines, line);) arguments.push_back(line);
        records.push_back(arguments);
    }
    return records;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace testing_support
