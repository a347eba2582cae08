#include "platform/Platform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "TempFolder.h"

namespace {

using ProbeFn = int (*)();

const std::string kProbePath = PLATFORM_PROBE_PATH;

// Puts the current folder back when a test that changes it ends, however it ends.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : fSaved(std::filesystem::current_path()) {}
    ~CurrentFolderGuard()
    {
        std::error_code error;
        std::filesystem::current_path(fSaved, error);
    }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    std::filesystem::path fSaved;
};

TEST(PlatformModules, LoadsAModuleAndCallsItsExportedFunction)
{
    platform::ModuleHandle module = platform::LoadModule(kProbePath);
    ASSERT_NE(module, nullptr) << platform::LastModuleError();
    auto answer = reinterpret_cast<ProbeFn>(platform::FindSymbol(module, "PlatformProbeAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_TRUE(platform::FreeModule(module));
}

TEST(PlatformModules, MissingFileIsRefusedWithTheLoaderMessage)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "Absent.dll").string();
    EXPECT_EQ(platform::LoadModule(path), nullptr);
    EXPECT_EQ(platform::LastModuleError(), path + ": cannot open shared object file: No such file or directory");
}

TEST(PlatformModules, FileThatIsNoModuleIsRefused)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "Text.dll").string();
    std::ofstream(path) << std::string(200, 'x');
    EXPECT_EQ(platform::LoadModule(path), nullptr);
    EXPECT_EQ(platform::LastModuleError(), path + ": invalid ELF header");
}

TEST(PlatformModules, EmptyPathIsRefusedRatherThanGivingTheProgram)
{
    EXPECT_EQ(platform::LoadModule(""), nullptr);
    EXPECT_EQ(platform::LastModuleError(), "empty module path");
    EXPECT_EQ(platform::LoadModule(std::string("a\0b", 3)), nullptr);
    EXPECT_EQ(platform::LastModuleError(), "module path contains a NUL character");
}

TEST(PlatformModules, MissingNameGivesNullAndTheLoaderMessage)
{
    platform::ModuleHandle module = platform::LoadModule(kProbePath);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(platform::FindSymbol(module, "NoSuchName"), nullptr);
    EXPECT_EQ(platform::LastModuleError(), kProbePath + ": undefined symbol: NoSuchName");
    EXPECT_TRUE(platform::FreeModule(module));
}

TEST(PlatformModules, NullArgumentsAreRefused)
{
    EXPECT_EQ(platform::FindSymbol(nullptr, "PlatformProbeAnswer"), nullptr);
    EXPECT_EQ(platform::LastModuleError(), "null module handle");
    platform::ModuleHandle module = platform::LoadModule(kProbePath);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(platform::FindSymbol(module, nullptr), nullptr);
    EXPECT_EQ(platform::LastModuleError(), "null symbol name");
    EXPECT_TRUE(platform::FreeModule(module));
    EXPECT_FALSE(platform::FreeModule(nullptr));
    EXPECT_EQ(platform::ModuleFileName(nullptr), "");
}

TEST(PlatformModules, LastErrorBelongsToItsThread)
{
    TempFolder folder;
    const std::string here = (folder.Path() / "Here.dll").string();
    const std::string there = (folder.Path() / "There.dll").string();
    ASSERT_EQ(platform::LoadModule(here), nullptr);

    std::string seenThere;
    std::thread other([&] {
        platform::LoadModule(there);
        seenThere = platform::LastModuleError();
    });
    other.join();

    EXPECT_EQ(seenThere, there + ": cannot open shared object file: No such file or directory");
    EXPECT_EQ(platform::LastModuleError(), here + ": cannot open shared object file: No such file or directory");
}

TEST(PlatformModules, ModuleFileNameIsTheFullPath)
{
    platform::ModuleHandle module = platform::LoadModule(kProbePath);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(platform::ModuleFileName(module), kProbePath);
    EXPECT_TRUE(platform::FreeModule(module));
}

TEST(PlatformModules, ModuleLoadedByRelativePathKeepsItsFullPath)
{
    TempFolder folder;
    std::filesystem::copy_file(kProbePath, folder.Path() / "Relative.dll");
    platform::ModuleHandle module = nullptr;
    {
        CurrentFolderGuard guard;
        std::filesystem::current_path(folder.Path());
        module = platform::LoadModule("./Relative.dll");
    }
    ASSERT_NE(module, nullptr) << platform::LastModuleError();
    // Asked after the current folder has changed back.
    EXPECT_EQ(platform::ModuleFileName(module), (folder.Path() / "Relative.dll").string());
    EXPECT_TRUE(platform::FreeModule(module));
}

}  // namespace
