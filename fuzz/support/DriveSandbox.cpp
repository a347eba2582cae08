#include "DriveSandbox.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace drive {
namespace {

// The desktop opener's name: without a "/" the platform looks for it in PATH, finds nothing and starts nothing.
constexpr char kMissingOpener[] = "pendrake-drive-no-opener";

// In memory when the system offers it: a drive writes files for every input, and a disk is a hundred times
// slower at that.
fs::path ParentFolder()
{
    std::error_code error;
    if (fs::is_directory("/dev/shm", error)) return "/dev/shm";
    return fs::temp_directory_path();
}

std::string MakeFolder()
{
    std::string pattern = (ParentFolder() / "markplug-drive-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a sandbox folder from " + pattern);
    return pattern;
}

void RequireNoOpenerInPath()
{
    const char* path = getenv("PATH");
    const std::string search = path ? path : "";
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = search.find(':', start);
        const fs::path folder = search.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::error_code error;
        if (fs::exists(folder / kMissingOpener, error))
            throw std::runtime_error("a program " + (folder / kMissingOpener).string() + " would be started");
        if (end == std::string::npos) return;
        start = end + 1;
    }
}

}  // namespace

DriveSandbox::DriveSandbox() : fFolder(MakeFolder()), fTempFolder(fFolder + "/tmp")
{
    RequireNoOpenerInPath();
    for (const char* folder : {"tmp", "hkcu", "hklm", "Pendrake", "Applications/Talvex"})
        fs::create_directories(fs::path(fFolder) / folder);
    setenv("TMPDIR", fTempFolder.c_str(), 1);
    setenv("PENDRAKE_REGISTRY_HKCU", (fFolder + "/hkcu").c_str(), 1);
    setenv("PENDRAKE_REGISTRY_HKLM", (fFolder + "/hklm").c_str(), 1);
    setenv("PENDRAKE_OPENER", kMissingOpener, 1);
    unsetenv("PENDRAKE_SYSTEM_VERSION");
    fSavedFolder = fs::current_path().string();
    fs::current_path(fFolder + "/Pendrake");
}

DriveSandbox::~DriveSandbox()
{
    std::error_code error;
    fs::current_path(fSavedFolder, error);
    fs::remove_all(fFolder, error);
}

void DriveSandbox::RemoveCutFiles() const
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fTempFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("~TX", 0) == 0) fs::remove(entry.path(), error);
    }
}

unsigned long long DriveSandbox::UsedBytes() const
{
    unsigned long long bytes = 0;
    std::error_code error;
    for (const char* folder : {"tmp", "Applications"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(fFolder) / folder, error))
            if (entry.is_regular_file(error)) {
                const auto size = entry.file_size(error);
                if (!error) bytes += size;
            }
    return bytes;
}

}  // namespace drive
