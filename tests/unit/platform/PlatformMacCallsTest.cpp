// The Linux stand-ins of the macOS calls the output run and help make: file-system references over ordinary
// files, data forks, the system version and the Finder-like open.
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "CutOutputSandbox.h"  // FileBytes
#include "EnvironmentGuard.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

using testing_support::FileBytes;

TEST(PlatformFileReferences, ReferToWhatExistsAndMakeFilesOnlyOnce)
{
    TempFolder temp;
    platform::FileSystemRef folder, file, again;
    bool isFolder = false;
    ASSERT_TRUE(platform::MakeFileSystemRef(temp.Path().string() + "/./", folder, &isFolder));
    EXPECT_TRUE(isFolder);
    EXPECT_EQ(folder.path, temp.Path().string() + "/");
    EXPECT_FALSE(platform::MakeChildRef(folder, u"tmp.txt", file));  // not there yet

    // A name outside the basic plane comes in as a surrogate pair and lands as UTF-8.
    ASSERT_TRUE(platform::CreateFileIn(folder, u"tmp_\u00e9\U0001F600.txt", file));
    EXPECT_EQ(file.path, (temp.Path() / "tmp_\xc3\xa9\xf0\x9f\x98\x80.txt").string());
    EXPECT_FALSE(platform::CreateFileIn(folder, u"tmp_\u00e9\U0001F600.txt", again));  // exists already
    ASSERT_TRUE(platform::MakeChildRef(folder, u"tmp_\u00e9\U0001F600.txt", again));
    EXPECT_EQ(again.path, file.path);

    // Written from the start, each write going on where the last one ended.
    const platform::FileHandle fork = platform::OpenDataFork(file, platform::kForkWritePermission);
    ASSERT_NE(fork, platform::kInvalidFile);
    EXPECT_TRUE(platform::WriteFileBytes(fork, "IN;", 3));
    EXPECT_TRUE(platform::WriteFileBytes(fork, "PA;", 3));
    EXPECT_TRUE(platform::CloseFile(fork));
    EXPECT_EQ(FileBytes(file.path), "IN;PA;");
    EXPECT_EQ(platform::OpenDataFork(file, 1), platform::kInvalidFile);  // read permission: not offered

    EXPECT_TRUE(platform::DeleteObject(file));
    EXPECT_FALSE(fs::exists(file.path));
    EXPECT_FALSE(platform::DeleteObject(file));

    // Names that would leave the folder, or are no names, are refused.
    for (const std::u16string& name :
         {std::u16string(), std::u16string(u"."), std::u16string(u".."), std::u16string(u"a/b"),
          std::u16string(u"a\0b", 3), std::u16string(1, char16_t(0xD800)), std::u16string(1, char16_t(0xDC00))})
        EXPECT_FALSE(platform::CreateFileIn(folder, name, again));
    EXPECT_FALSE(platform::MakeFileSystemRef((temp.Path() / "absent").string(), again, nullptr));
    EXPECT_FALSE(platform::MakeFileSystemRef("", again, nullptr));
}

TEST(PlatformFileReferences, RelativePathsResolveAgainstTheCurrentFolder)
{
    TempFolder temp;
    fs::create_directories(temp.Path() / "Applications/Talvex");
    fs::create_directories(temp.Path() / "Pendrake");
    const fs::path saved = fs::current_path();
    fs::current_path(temp.Path() / "Pendrake");
    platform::FileSystemRef folder;
    const bool made = platform::MakeFileSystemRef("../Applications/Talvex/", folder, nullptr);
    fs::current_path(saved);
    ASSERT_TRUE(made);
    EXPECT_EQ(folder.path, (temp.Path() / "Applications/Talvex/").string());
}

TEST(PlatformSystemVersion, TheEnvironmentSetsItForTests)
{
    int32_t version = 0;
    {
        EnvironmentGuard unset("PENDRAKE_SYSTEM_VERSION", nullptr);
        ASSERT_TRUE(platform::SystemVersion(version));
        EXPECT_EQ(version, 0x1090);
    }
    const struct {
        const char* text;
        bool good;
        int32_t version;
    } cases[] = {{"0x0ff9", true, 0x0ff9}, {"4096", true, 4096}, {"0X1000", true, 0x1000}, {"0x", false, 0},
                 {"10.9", false, 0},       {"-1", false, 0},     {"99999999999", false, 0}};
    for (const auto& c : cases) {
        EnvironmentGuard set("PENDRAKE_SYSTEM_VERSION", c.text);
        version = 0;
        EXPECT_EQ(platform::SystemVersion(version), c.good) << c.text;
        if (c.good) {
            EXPECT_EQ(version, c.version) << c.text;
        }
    }
}

// Waits (bounded) for a file the recorder writes.
std::string AwaitRecord(const fs::path& folder)
{
    for (int i = 0; i < 200; ++i) {
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".rec") return FileBytes(entry.path().string());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return "(nothing recorded)";
}

TEST(PlatformOpenItem, ABundleStartsItsProgramAnythingElseGoesToTheOpener)
{
    TempFolder temp;
    const fs::path records = temp.Path() / "records";
    fs::create_directories(records);
    EnvironmentGuard recordDir("MARKPLUG_RECORD_DIR", records.c_str());
    EnvironmentGuard opener("PENDRAKE_OPENER", ARGV_RECORDER);

    const fs::path bundle = temp.Path() / "TalvexOutputX.app";
    platform::FileSystemRef ref;
    fs::create_directories(bundle / "Contents/MacOS");
    ASSERT_TRUE(platform::MakeFileSystemRef(bundle.string(), ref, nullptr));
    EXPECT_FALSE(platform::OpenFileSystemItem(ref));  // no program inside
    fs::create_symlink(ARGV_RECORDER, bundle / "Contents/MacOS/TalvexOutputX");
    ASSERT_TRUE(platform::OpenFileSystemItem(ref));
    EXPECT_EQ(AwaitRecord(records), (bundle / "Contents/MacOS/TalvexOutputX").string() + "\n");
    fs::remove_all(records);
    fs::create_directories(records);

    std::ofstream(temp.Path() / "frame.html") << "<html></html>";
    ASSERT_TRUE(platform::MakeFileSystemRef((temp.Path() / "frame.html").string(), ref, nullptr));
    ASSERT_TRUE(platform::OpenFileSystemItem(ref));
    EXPECT_EQ(AwaitRecord(records), std::string(ARGV_RECORDER) + "\n" + (temp.Path() / "frame.html").string() + "\n");
}

}  // namespace
