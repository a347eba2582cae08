// The sandbox on Linux: the platform layer's stand-ins read their roots and programs from environment
// variables that point into the sandbox.
#include "CutOutputSandbox.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace testing_support {
namespace {

constexpr const char* kVariables[] = {"TMPDIR",          "PENDRAKE_REGISTRY_HKCU", "PENDRAKE_REGISTRY_HKLM",
                                      "PENDRAKE_OPENER", "MARKPLUG_RECORD_DIR",    "PENDRAKE_SYSTEM_VERSION"};
constexpr char kKeyFolder[] = "Software/Varrow KT Corporation/Talvex/Folder";

std::string MakeSandboxFolder()
{
    std::string pattern = (fs::temp_directory_path() / "markplug-cut-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot make a sandbox folder";
    return pattern;
}

}  // namespace

CutOutputSandbox::CutOutputSandbox(const std::string& tempFolderName)
    : fFolder(MakeSandboxFolder()), fTempFolder(fFolder + "/" + tempFolderName), fRecords(fFolder + "/records")
{
    fs::create_directories(fTempFolder);
    fs::create_directories(fRecords);
    fs::create_directories(fFolder + "/hkcu");
    fs::create_directories(fFolder + "/hklm");
    for (const char* name : kVariables)
        if (const char* value = getenv(name)) fSavedVariables[name] = value;
    setenv("TMPDIR", fTempFolder.c_str(), 1);
    setenv("PENDRAKE_REGISTRY_HKCU", (fFolder + "/hkcu").c_str(), 1);
    setenv("PENDRAKE_REGISTRY_HKLM", (fFolder + "/hklm").c_str(), 1);
    setenv("PENDRAKE_OPENER", MARKPLUG_ARGV_RECORDER, 1);
    setenv("MARKPLUG_RECORD_DIR", fRecords.c_str(), 1);
}

CutOutputSandbox::~CutOutputSandbox()
{
    // What was set before comes back: the next sandbox of the process lies in the same temporary folder.
    for (const char* name : kVariables) {
        const auto saved = fSavedVariables.find(name);
        if (saved == fSavedVariables.end())
            unsetenv(name);
        else
            setenv(name, saved->second.c_str(), 1);
    }
    std::error_code error;
    if (!fSavedFolder.empty()) fs::current_path(fSavedFolder, error);
    fs::permissions(fTempFolder, fs::perms::owner_all, error);
    fs::remove_all(fFolder, error);
}

void CutOutputSandbox::SetRegistryPath(bool currentUser, const std::string& bytes)
{
    std::ofstream(RegistryPathValue(currentUser), std::ios::binary) << bytes;
}

std::string CutOutputSandbox::RegistryPathValue(bool currentUser)
{
    const std::string key = fFolder + (currentUser ? "/hkcu/" : "/hklm/") + kKeyFolder;
    fs::create_directories(key);
    return key + "/Path";
}

std::string CutOutputSandbox::RecorderLink(const std::string& relativePath)
{
    const fs::path link = fs::path(fFolder) / relativePath;
    fs::create_directories(link.parent_path());
    fs::create_symlink(MARKPLUG_ARGV_RECORDER, link);
    return link.string();
}

std::string CutOutputSandbox::EnterMacHostFolder()
{
    const std::string host = fFolder + "/Pendrake";
    fs::create_directories(host);
    fs::create_directories(fFolder + "/Applications/Talvex");
    if (fSavedFolder.empty()) fSavedFolder = fs::current_path().string();
    fs::current_path(host);
    return host;
}

void CutOutputSandbox::InstallOutputApplication()
{
    RecorderLink("Applications/Talvex/TalvexOutputX.app/Contents/MacOS/TalvexOutputX");
}

void CutOutputSandbox::SetSystemVersion(const std::string& version)
{
    if (version.empty())
        unsetenv("PENDRAKE_SYSTEM_VERSION");
    else
        setenv("PENDRAKE_SYSTEM_VERSION", version.c_str(), 1);
}

}  // namespace testing_support
