// The built pendrake program: exit codes and messages of usage errors and failed files, and the main job end to end
// with the cutting application stand-in registered, which must read the cut data file without a problem.
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "CutOutputSandbox.h"
#include "ProgramRun.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CutOutputSandbox;

const std::string kPendrake = std::string(MARKPLUG_APP_DIR) + "/pendrake";

class Program : public testing::Test {
protected:
    ProgramResult Pendrake(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), kPendrake);
        return RunProgram(arguments, fSandbox.Folder());
    }
    std::string Path(const std::string& name) const { return fSandbox.Folder() + "/" + name; }

    CutOutputSandbox fSandbox;
};

TEST_F(Program, WrongUsageExitsWithTwoAndTheUsage)
{
    const ProgramResult help = Pendrake({"--help"});
    EXPECT_EQ(help.fExitCode, 0);
    EXPECT_EQ(help.fErr, "");
    ASSERT_EQ(help.fOut.rfind("pendrake: the drawing host substitute that runs the cutting plug-ins.\n", 0), 0u)
        << help.fOut;
    EXPECT_NE(help.fOut.find("Exit codes: 0 success, 1 a file, a plug-in or a panel line failed, 2 wrong usage."),
              std::string::npos);

    // The usage shown is that of the command line's subcommand, or the program's.
    const std::string runHelp = Pendrake({"run", "--help"}).fOut;
    const std::string panelHelp = Pendrake({"panel", "--help"}).fOut;
    ASSERT_EQ(runHelp.rfind("the main job on ARTWORK.svg", 0), 0u) << runHelp;
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
        const std::string& usage;
    };
    for (const Case& each : std::vector<Case>{
             {{}, "A subcommand is required", help.fOut},
             {{"paint"}, "A subcommand is required", help.fOut},  // not a subcommand
             {{"run"}, "artwork is required", runHelp},
             {{"run", "a.svg", "--crop-count", "5"}, "--crop-count: 5 not in {3,4}", runHelp},
             {{"panel", "a.svg", "--edition", "linux"}, "--edition: linux not in {windows,macos}", panelHelp},
         }) {
        const ProgramResult result = Pendrake(each.arguments);
        EXPECT_EQ(result.fExitCode, 2) << each.message;
        EXPECT_EQ(result.fOut, "");
        EXPECT_EQ(result.fErr, "pendrake: " + each.message + "\n\n" + each.usage);
    }
}

TEST_F(Program, AFileThatCannotBeReadExitsWithOne)
{
    const std::string absent = Path("absent.svg");
    const ProgramResult panel = Pendrake({"panel", absent});
    EXPECT_EQ(panel.fExitCode, 1);
    EXPECT_EQ(panel.fOut, "");
    EXPECT_EQ(panel.fErr, "pendrake: " + absent + ": cannot open the file: No such file or directory\n");

    std::ofstream(Path("bad.svg"))
        << "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>\n  <path d='M 0 0 L'/>\n</svg>\n";
    const ProgramResult run = Pendrake({"run", Path("bad.svg"), "--save", Path("out.svg")});
    EXPECT_EQ(run.fExitCode, 1);
    EXPECT_EQ(run.fOut, "");
    EXPECT_EQ(run.fErr,
              "pendrake: " + Path("bad.svg") + ":2:9: <path> attribute d: expected a number, found the end\n");
    EXPECT_FALSE(fs::exists(Path("out.svg")));

    // What an import would turn into an equivalent, --strict refuses.
    std::ofstream(Path("masked.svg")) << "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>\n"
                                         "  <rect width='5' height='5' mask='url(#m)'/>\n</svg>\n";
    const ProgramResult strict = Pendrake({"run", Path("masked.svg"), "--strict", "--save", Path("out.svg")});
    EXPECT_EQ(strict.fExitCode, 1);
    EXPECT_EQ(strict.fOut, "");
    EXPECT_EQ(strict.fErr, "pendrake: " + Path("masked.svg") +
                               ":2:3: <rect> mask \"#m\" not applied: the object is kept whole, unmasked\n");
    EXPECT_FALSE(fs::exists(Path("out.svg")));

    std::ofstream(Path("prefs.ini")) << "[TalvexPluginDialog]\nkQRW_cropCount\n";
    const ProgramResult prefs =
        Pendrake({"run", std::string(MARKPLUG_SOURCE_DIR) + "/examples/sign.svg", "--prefs", Path("prefs.ini")});
    EXPECT_EQ(prefs.fExitCode, 1);
    EXPECT_EQ(prefs.fErr,
              "pendrake: " + Path("prefs.ini") + ":2: expected \"key = value\", \"[section]\" or \"# comment\"\n");
}

// Neither the artwork nor the preferences may be a FIFO (which would block the start), a device (which would
// fill the memory) or a folder; each is refused before anything is read, as are files past the size limits.
TEST_F(Program, ArtworkAndPreferencesAreReadOnlyFromRegularFilesOfBoundedSize)
{
    const std::string sample = std::string(MARKPLUG_SOURCE_DIR) + "/examples/sign.svg";
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_directory(Path("folder"));
    std::ofstream(Path("large.svg"));
    fs::resize_file(Path("large.svg"), (std::uintmax_t{512} << 20) + 1);  // sparse: nothing is written
    std::ofstream(Path("large.ini"));
    fs::resize_file(Path("large.ini"), (std::uintmax_t{1} << 20) + 1);
    WriteBytes(Path("long-line.ini"), "[TalvexPluginDialog]\nkQRW_name = " + std::string(16385 - 12, 'x') + "\n");

    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    for (const Case& each : std::vector<Case>{
             {{"run", "/dev/zero"}, "/dev/zero: not a regular file"},
             {{"run", Path("fifo")}, Path("fifo") + ": not a regular file"},
             {{"panel", Path("folder")}, Path("folder") + ": not a regular file"},
             {{"run", Path("large.svg")}, Path("large.svg") + ": the file is larger than 512 MiB"},
             {{"run", sample, "--prefs", "/dev/zero"}, "/dev/zero:0: not a regular file"},
             {{"run", sample, "--prefs", Path("fifo")}, Path("fifo") + ":0: not a regular file"},
             {{"panel", sample, "--prefs", Path("folder")}, Path("folder") + ":0: not a regular file"},
             {{"run", sample, "--prefs", Path("large.ini")}, Path("large.ini") + ":0: the file is larger than 1 MiB"},
             {{"run", sample, "--prefs", Path("long-line.ini")},
              Path("long-line.ini") + ":2: the line is longer than 16384 bytes"},
         }) {
        const ProgramResult result = Pendrake(each.arguments);
        EXPECT_EQ(result.fExitCode, 1) << each.message;
        EXPECT_EQ(result.fOut, "");
        EXPECT_EQ(result.fErr, "pendrake: " + each.message + "\n");
    }
}

TEST_F(Program, TheSampleJobIsReadByTheCuttingApplicationWithoutAProblem)
{
    // Installed in a folder of its own, where it leaves what it read.
    const fs::path installed = Path("talvex/talvex-standin");
    fs::create_directories(installed.parent_path());
    fs::copy_file(TALVEX_STANDIN, installed);
    fSandbox.SetRegistryPath(true, installed.string());

    WriteBytes(Path("prefs.ini"), "");
    const ProgramResult run =
        Pendrake({"run", std::string(MARKPLUG_SOURCE_DIR) + "/examples/sign.svg", "--prefs", Path("prefs.ini"), "--cut",
                  "border,badge-ring,star,dot-left,dot-right", "--perforate", "wave", "--save", Path("sign-cut.svg")});
    EXPECT_EQ(run.fExitCode, 0) << run.fErr;
    EXPECT_EQ(run.fErr, "");
    const std::string cutFile = fSandbox.CutFile();
    ASSERT_NE(cutFile, "");
    EXPECT_EQ(run.fOut.rfind("Cut data file: " + cutFile + "\n", 0), 0u) << run.fOut;

    // The application runs on its own: wait (bounded) for its log.
    const fs::path log = installed.parent_path() / "last-cut.log";
    for (int i = 0; i < 2000 && !fs::exists(log); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(FileText(log), "cut data file: " + cutFile +
                                 "\npaths: 6 (cut lines 5, perforation lines 1)\n"
                                 "crop marks: radius 14.173228 14.173228, W 481.889764, L 566.929134, X 28.346457, "
                                 "Y 56.692913, count 4\n"
                                 "crop-mark layout: four marks: bottom-left, bottom-right, top-left, top-right\n"
                                 "problems: 0\n");
}

}  // namespace
