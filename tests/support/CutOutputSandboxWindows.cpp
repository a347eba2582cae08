// The sandbox on Windows: the real registry (the cutting application's key under HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE, removed again at the end), the temporary folder through TMP and TEMP, and copies of the
// recorder program where the tests place the application.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "CutOutputSandbox.h"

namespace fs = std::filesystem;

namespace testing_support {
namespace {

constexpr const char* kVariables[] = {"TMP", "TEMP", "MARKPLUG_RECORD_DIR"};
constexpr char kKey[] = "Software\\Varrow KT Corporation\\Talvex\\Folder";
constexpr char kVendorKey[] = "Software\\Varrow KT Corporation";

void SetVariable(const char* name, const char* value)
{
    // Both the C runtime's copy (getenv) and the process's (GetTempPathA) are changed.
    _putenv_s(name, value != nullptr ? value : "");
    SetEnvironmentVariableA(name, value);
}

std::string MakeSandboxFolder()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = fs::temp_directory_path() / ("markplug-cut-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(folder, error)) return folder.string();
    }
    ADD_FAILURE() << "cannot make a sandbox folder";
    return std::string();
}

void RemoveVendorKeys()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kVendorKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kVendorKey);
}

}  // namespace

CutOutputSandbox::CutOutputSandbox(const std::string& tempFolderName)
    : fFolder(MakeSandboxFolder()), fTempFolder(fFolder + "\\" + tempFolderName), fRecords(fFolder + "\\records")
{
    fs::create_directories(fTempFolder);
    fs::create_directories(fRecords);
    for (const char* name : kVariables)
        if (const char* value = std::getenv(name)) fSavedVariables[name] = value;
    SetVariable("TMP", fTempFolder.c_str());
    SetVariable("TEMP", fTempFolder.c_str());
    SetVariable("MARKPLUG_RECORD_DIR", fRecords.c_str());
    RemoveVendorKeys();  // a test that stopped half-way may have left its values
}

CutOutputSandbox::~CutOutputSandbox()
{
    for (const char* name : kVariables) {
        const auto saved = fSavedVariables.find(name);
        SetVariable(name, saved == fSavedVariables.end() ? nullptr : saved->second.c_str());
    }
    RemoveVendorKeys();
    std::error_code error;
    fs::remove_all(fFolder, error);
}

void CutOutputSandbox::SetRegistryPath(bool currentUser, const std::string& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // REG_SZ with exactly these bytes: a value need not end with a NUL.
    EXPECT_EQ(RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::string CutOutputSandbox::RegistryPathValue(bool /*currentUser*/)
{
    ADD_FAILURE() << "registry values are not files on Windows";
    return std::string();
}

std::string CutOutputSandbox::RecorderLink(const std::string& relativePath)
{
    fs::path program = fs::path(fFolder) / relativePath;
    program.make_preferred();
    program += ".exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(MARKPLUG_ARGV_RECORDER, program);
    return program.string();
}

std::string CutOutputSandbox::EnterMacHostFolder()
{
    ADD_FAILURE() << "the macOS surroundings exist only in the Linux build";
    return std::string();
}

void CutOutputSandbox::InstallOutputApplication() { ADD_FAILURE() << "the macOS surroundings exist only on Linux"; }

void CutOutputSandbox::SetSystemVersion(const std::string& /*version*/)
{
    ADD_FAILURE() << "the macOS surroundings exist only in the Linux build";
}

}  // namespace testing_support
