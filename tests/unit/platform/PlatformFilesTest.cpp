#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "EnvironmentGuard.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PlatformTemporaryFiles, FolderComesFromTmpdirAndEndsWithTheSeparator)
{
    {
        EnvironmentGuard tmpdir("TMPDIR", "/var/tmp/cut");
        EXPECT_EQ(platform::TemporaryFolder(), "/var/tmp/cut/");
    }
    {
        EnvironmentGuard tmpdir("TMPDIR", "/var/tmp/cut/");
        EXPECT_EQ(platform::TemporaryFolder(), "/var/tmp/cut/");
    }
    EnvironmentGuard tmpdir("TMPDIR", nullptr);
    EXPECT_EQ(platform::TemporaryFolder(), "/tmp/");
}

TEST(PlatformTemporaryFiles, MakesDistinctEmptyFilesNamedPrefixHexDigitsTmp)
{
    TempFolder folder;
    const std::regex name("^~TX[0-9A-F]{1,4}\\.TMP$");
    std::set<std::string> made;
    for (int i = 0; i < 20; ++i) {
        std::string path;
        ASSERT_TRUE(platform::CreateTemporaryFile(folder.Path().string() + "/", "~TX", path));
        const fs::path made_path(path);
        EXPECT_EQ(made_path.parent_path(), folder.Path());
        EXPECT_TRUE(std::regex_match(made_path.filename().string(), name)) << path;
        EXPECT_TRUE(fs::is_regular_file(made_path));
        EXPECT_EQ(fs::file_size(made_path), 0u);
        made.insert(path);
    }
    EXPECT_EQ(made.size(), 20u);

    std::string path;
    EXPECT_FALSE(platform::CreateTemporaryFile((folder.Path() / "missing").string(), "~TX", path));
    EXPECT_FALSE(platform::CreateTemporaryFile("", "~TX", path));
}

TEST(PlatformTemporaryFiles, TakesTheOneFreeNameAndGivesUpWhenEveryNameIsTaken)
{
    TempFolder folder;
    char name[16];
    for (unsigned number = 1; number <= 0xFFFF; ++number) {
        if (number != 0x7B) {
            std::snprintf(name, sizeof name, "~TX%X.TMP", number);
            std::ofstream(folder.Path() / name) << "taken";
        }
    }
    std::string path;
    ASSERT_TRUE(platform::CreateTemporaryFile(folder.Path().string(), "~TX", path));
    EXPECT_EQ(path, (folder.Path() / "~TX7B.TMP").string());
    EXPECT_FALSE(platform::CreateTemporaryFile(folder.Path().string(), "~TX", path));
    // Existing files are never opened for writing.
    EXPECT_EQ(Contents(folder.Path() / "~TX1.TMP"), "taken");
    EXPECT_EQ(Contents(folder.Path() / "~TXFFFF.TMP"), "taken");
}

TEST(PlatformFiles, CreateAlwaysTruncatesAndWritesEveryByte)
{
    TempFolder folder;
    const fs::path path = folder.Path() / "cut.tmp";
    std::ofstream(path) << "an earlier, longer content";

    platform::FileHandle file = platform::CreateFileAlways(path.string());
    ASSERT_NE(file, platform::kInvalidFile);
    const std::string first("u\r\n\0S\r\n", 7);
    const std::string big(1 << 20, 'c');
    EXPECT_TRUE(platform::WriteFileBytes(file, first.data(), first.size()));
    EXPECT_TRUE(platform::WriteFileBytes(file, big.data(), big.size()));
    EXPECT_TRUE(platform::WriteFileBytes(file, nullptr, 0));
    EXPECT_TRUE(platform::CloseFile(file));
    EXPECT_EQ(Contents(path), first + big);
    EXPECT_EQ((fs::status(path).permissions() & fs::perms::owner_write), fs::perms::owner_write);

    EXPECT_EQ(platform::CreateFileAlways((folder.Path() / "missing" / "cut.tmp").string()), platform::kInvalidFile);
    EXPECT_EQ(platform::CreateFileAlways(""), platform::kInvalidFile);
    EXPECT_FALSE(platform::WriteFileBytes(platform::kInvalidFile, "x", 1));
    EXPECT_FALSE(platform::CloseFile(platform::kInvalidFile));
}

}  // namespace
