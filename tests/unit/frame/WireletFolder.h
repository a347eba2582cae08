// Lays a built stand-in of the panel service library out as the host's folder holds it for the edition under
// test, and reaches the stand-in's test-only functions.
#ifndef MARKPLUG_TESTS_WIRELETFOLDER_H
#define MARKPLUG_TESTS_WIRELETFOLDER_H

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "Edition.h"
#include "pendrake/PanelEvent.h"
#include "platform/Platform.h"

class WireletFolder {
public:
    // Copies the library at builtLibrary into a fresh folder named variant; the folder is what the host's Folders
    // suite gives for the edition's folder type.
    WireletFolder(const std::string& builtLibrary, const std::string& variant)
    {
        // CTest runs each case in a process of its own, possibly side by side: the case's name keeps folders apart.
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        fFolder = std::filesystem::temp_directory_path() /
                  ("markplug-" + std::string(test->test_suite_name()) + "." + test->name() + "-" + variant);
        std::filesystem::remove_all(fFolder);
        const std::filesystem::path library =
            kMacEdition ? fFolder / "Frameworks" / "Wirelet.framework" / "Wirelet" : fFolder / "WireletFenn.dll";
        std::filesystem::create_directories(library.parent_path());
        std::filesystem::copy_file(builtLibrary, library);
        // The test's own hold on the library keeps its log alive across the plug-in's unloading.
        fModule = platform::LoadModule(library.string());
        fLog = reinterpret_cast<const char* (*)()>(platform::FindSymbol(fModule, "FakeWireletLog"));
        fReset = reinterpret_cast<void (*)()>(platform::FindSymbol(fModule, "FakeWireletReset"));
        fSend = reinterpret_cast<void (*)(const char*, const char*)>(platform::FindSymbol(fModule, "FakeWireletSend"));
        fReset();
    }
    ~WireletFolder()
    {
        platform::FreeModule(fModule);
        std::error_code error;
        std::filesystem::remove_all(fFolder, error);
    }
    WireletFolder(const WireletFolder&) = delete;
    WireletFolder& operator=(const WireletFolder&) = delete;

    std::string Path() const { return fFolder.string(); }
    std::string Log() const { return fLog(); }
    void Send(const char* type, const char* data) const { fSend(type, data); }

private:
    std::filesystem::path fFolder;
    platform::ModuleHandle fModule = nullptr;
    const char* (*fLog)() = nullptr;
    void (*fReset)() = nullptr;
    void (*fSend)(const char*, const char*) = nullptr;
};

#endif
