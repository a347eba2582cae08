#include "platform/Platform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "EnvironmentGuard.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kRecorder = ARGV_RECORDER;

using Arguments = std::vector<std::string>;

// The arguments the recorder wrote (one record file in folder), once the file is in place; {"<not written>"} if
// none appears. The deadline only keeps a failing test from hanging.
Arguments WaitForRecord(const fs::path& folder)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() != ".rec") {
                continue;
            }
            std::ifstream in(entry.path());
            Arguments arguments;
            for (std::string line; std::getline(in, line);) {
                arguments.push_back(line);
            }
            return arguments;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return {"<not written>"};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

fs::path MadeFolder(const fs::path& folder)
{
    fs::create_directories(folder);
    return folder;
}

// The process ids of this process's children that are zombies, from /proc/PID/stat ("pid (name) S ppid ...").
std::vector<std::string> ZombieChildren()
{
    std::vector<std::string> zombies;
    const std::string self = std::to_string(getpid());
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        if (!std::getline(in, stat)) {
            continue;
        }
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream fields(stat.substr(close + 1));
        std::string state;
        std::string parent;
        fields >> state >> parent;
        if (parent == self && state == "Z") {
            zombies.push_back(entry.path().filename().string());
        }
    }
    return zombies;
}

class PlatformPrograms : public ::testing::Test {
protected:
    TempFolder fFolder;
    fs::path fRecords = MadeFolder(fFolder.Path() / "records");
    EnvironmentGuard fTarget{"MARKPLUG_RECORD_DIR", fRecords.c_str()};
};

TEST_F(PlatformPrograms, StartProgramPassesQuotedArgumentsByteForByteAndLeavesNoZombie)
{
    const std::string line = "\"" + kRecorder + "\" -i \"C:\\Temp\\two words.TMP\"  plain\ta\"b c\"d \"\"";
    ASSERT_TRUE(platform::StartProgram(line, 1));
    EXPECT_EQ(WaitForRecord(fRecords), (Arguments{kRecorder, "-i", "C:\\Temp\\two words.TMP", "plain", "ab cd", ""}));
    EXPECT_EQ(ZombieChildren(), std::vector<std::string>());
}

TEST_F(PlatformPrograms, StartProgramFindsTheProgramInPath)
{
    const fs::path folder = fs::path(kRecorder).parent_path();
    EnvironmentGuard path("PATH", ("/nonexistent:" + folder.string()).c_str());
    ASSERT_TRUE(platform::StartProgram(fs::path(kRecorder).filename().string() + " -i x", 1));
    EXPECT_EQ(WaitForRecord(fRecords), (Arguments{fs::path(kRecorder).filename().string(), "-i", "x"}));
}

TEST_F(PlatformPrograms, StartProgramIsFalseWhenNothingCouldBeStarted)
{
    // Files that exist but cannot be run are told apart only by the exec failing in the started process.
    const fs::path notExecutable = fFolder.Path() / "plain.txt";
    std::ofstream(notExecutable) << "not a program";
    const fs::path noFormat = fFolder.Path() / "garbage";
    std::ofstream(noFormat) << "\x01\x02\x03 garbage";
    fs::permissions(noFormat, fs::perms::owner_all);

    for (const std::string& line :
         {std::string(), std::string("  \t "), std::string("\"") + kRecorder + " -i x", std::string("\"\" -i x"),
          std::string("/nonexistent/talvex -i x"), std::string("no-such-program-of-markplug -i x"),
          notExecutable.string(), noFormat.string()}) {
        EXPECT_FALSE(platform::StartProgram(line, 1)) << line;
    }
    EXPECT_TRUE(fs::is_empty(fRecords));
    EXPECT_EQ(ZombieChildren(), std::vector<std::string>());
}

TEST_F(PlatformPrograms, OpenWithDesktopStartsTheOpenerWithTheDocumentAsOneArgument)
{
    const std::string document = (fFolder.Path() / "help page \"1\".html").string();
    {
        EnvironmentGuard opener("PENDRAKE_OPENER", kRecorder.c_str());
        ASSERT_TRUE(platform::OpenWithDesktop(document));
        EXPECT_EQ(WaitForRecord(fRecords), (Arguments{kRecorder, document}));
        EXPECT_FALSE(platform::OpenWithDesktop(""));
    }
    EnvironmentGuard opener("PENDRAKE_OPENER", (fFolder.Path() / "no-opener").c_str());
    EXPECT_FALSE(platform::OpenWithDesktop(document));
    EXPECT_EQ(ZombieChildren(), std::vector<std::string>());
}

TEST(PlatformModulePath, IsTheProgramForItsOwnCodeAndEmptyForNull)
{
    EXPECT_EQ(platform::ModulePathOfAddress(reinterpret_cast<const void*>(&ZombieChildren)),
              fs::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(platform::ModulePathOfAddress(nullptr), "");
}

}  // namespace
