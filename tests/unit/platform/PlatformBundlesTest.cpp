#include "platform/Platform.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TempFolder.h"

namespace {

using ProbeFn = int (*)();

const std::string kProbePath = PLATFORM_PROBE_PATH;

// "<folder>/<name>" with the probe module copied in as "<folder>/<name>/<executable>".
std::filesystem::path MakeBundle(const TempFolder& folder, const std::string& name, const std::string& executable)
{
    const std::filesystem::path bundle = folder.Path() / name;
    std::filesystem::create_directories(bundle);
    std::filesystem::copy_file(kProbePath, bundle / executable);
    return bundle;
}

// Whether the system has the file loaded, asked without loading it.
bool IsLoadedBySystem(const std::filesystem::path& file)
{
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    dlclose(handle);
    return true;
}

TEST(PlatformBundles, MissingFolderGivesNoBundle)
{
    TempFolder folder;
    EXPECT_EQ(platform::CreateBundle((folder.Path() / "Absent.framework").string()), nullptr);
    EXPECT_EQ(platform::CreateBundle(""), nullptr);
    const std::filesystem::path file = folder.Path() / "File.framework";
    std::ofstream(file) << "not a folder";
    EXPECT_EQ(platform::CreateBundle(file.string()), nullptr);
}

TEST(PlatformBundles, FolderWithoutExecutableGivesABundleWithoutFunctions)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "Empty.framework");
    platform::BundleRef bundle = platform::CreateBundle((folder.Path() / "Empty.framework").string());
    ASSERT_NE(bundle, nullptr);
    EXPECT_EQ(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"), nullptr);
    EXPECT_FALSE(platform::BundleIsExecutableLoaded(bundle));
    platform::ReleaseBundle(bundle);
}

TEST(PlatformBundles, ExecutableIsLoadedOnTheFirstLookUp)
{
    TempFolder folder;
    const std::filesystem::path path = MakeBundle(folder, "Probe.framework", "Probe");
    platform::BundleRef bundle = platform::CreateBundle(path.string());
    ASSERT_NE(bundle, nullptr);
    EXPECT_FALSE(platform::BundleIsExecutableLoaded(bundle));
    EXPECT_FALSE(IsLoadedBySystem(path / "Probe"));

    auto answer = reinterpret_cast<ProbeFn>(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_TRUE(platform::BundleIsExecutableLoaded(bundle));
    EXPECT_TRUE(IsLoadedBySystem(path / "Probe"));

    EXPECT_EQ(platform::BundleFunctionPointer(bundle, "NoSuchName"), nullptr);
    EXPECT_TRUE(platform::BundleIsExecutableLoaded(bundle));
    platform::ReleaseBundle(bundle);
}

TEST(PlatformBundles, ReleaseUnloadsTheExecutable)
{
    TempFolder folder;
    const std::filesystem::path path = MakeBundle(folder, "Probe.framework", "Probe");
    platform::BundleRef bundle = platform::CreateBundle(path.string());
    ASSERT_NE(bundle, nullptr);
    ASSERT_NE(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"), nullptr);
    platform::ReleaseBundle(bundle);
    EXPECT_FALSE(IsLoadedBySystem(path / "Probe"));
}

TEST(PlatformBundles, ExecutableIsNamedLikeTheFolderWithoutItsExtension)
{
    TempFolder folder;
    const std::filesystem::path dotted = MakeBundle(folder, "Two.Parts.bundle", "Two.Parts");
    const std::filesystem::path plain = MakeBundle(folder, "Plain", "Plain");
    for (const std::filesystem::path& path : {dotted, plain}) {
        platform::BundleRef bundle = platform::CreateBundle(path.string());
        ASSERT_NE(bundle, nullptr) << path;
        EXPECT_NE(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"), nullptr) << path;
        platform::ReleaseBundle(bundle);
    }
}

TEST(PlatformBundles, TrailingSeparatorIsAccepted)
{
    TempFolder folder;
    const std::filesystem::path path = MakeBundle(folder, "Probe.framework", "Probe");
    platform::BundleRef bundle = platform::CreateBundle(path.string() + "//");
    ASSERT_NE(bundle, nullptr);
    EXPECT_NE(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"), nullptr);
    platform::ReleaseBundle(bundle);
}

TEST(PlatformBundles, ExecutablePutInPlaceLaterIsFound)
{
    TempFolder folder;
    const std::filesystem::path path = folder.Path() / "Late.framework";
    std::filesystem::create_directories(path);
    platform::BundleRef bundle = platform::CreateBundle(path.string());
    ASSERT_NE(bundle, nullptr);
    EXPECT_EQ(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"), nullptr);
    std::filesystem::copy_file(kProbePath, path / "Late");
    EXPECT_NE(platform::BundleFunctionPointer(bundle, "PlatformProbeAnswer"), nullptr);
    EXPECT_TRUE(platform::BundleIsExecutableLoaded(bundle));
    platform::ReleaseBundle(bundle);
}

TEST(PlatformBundles, NullArgumentsAreRefused)
{
    TempFolder folder;
    const std::filesystem::path path = MakeBundle(folder, "Probe.framework", "Probe");
    platform::BundleRef bundle = platform::CreateBundle(path.string());
    ASSERT_NE(bundle, nullptr);
    EXPECT_EQ(platform::BundleFunctionPointer(bundle, nullptr), nullptr);
    EXPECT_FALSE(platform::BundleIsExecutableLoaded(bundle));
    platform::ReleaseBundle(bundle);

    EXPECT_EQ(platform::BundleFunctionPointer(nullptr, "PlatformProbeAnswer"), nullptr);
    EXPECT_FALSE(platform::BundleIsExecutableLoaded(nullptr));
    platform::ReleaseBundle(nullptr);
}

}  // namespace
