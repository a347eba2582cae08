// Where the output run finds the cutting application (the registry, read once at start-up), how it starts it
// with the cut data file, and what the panel hears when it starts nothing: message 1 when the application is
// not registered, message 2 when the file could not be written in full. A recorder program stands in for the
// application and writes down its arguments.
#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <limits>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"

using testing_support::AddPath;
using testing_support::CutOutputSandbox;
using testing_support::MarkplugHost;
using testing_support::OpenPage;
using testing_support::Payload;
using testing_support::Sent;

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;
using Records = std::vector<Texts>;

// The start-up reads the registry: the sandbox is filled before the plug-in starts.
class CutLaunch : public testing::Test {
protected:
    explicit CutLaunch(const std::string& tempFolderName = "tmp") : fSandbox(tempFolderName) {}

    void Start()
    {
        fHost = std::make_unique<MarkplugHost>("windows");
        fDocument = &OpenPage(*fHost);
        AddPath(*fDocument, {{0, 0}});
        ASSERT_EQ(fHost->StartAndConnect(), kNoErr);
    }

    // Runs the output and returns the messages it sent.
    Texts Run()
    {
        fHost->Bus().ClearEvents();
        fHost->Click(Payload(1, {{"Target", "0"}}));
        return Sent(*fHost, "TalvexDispMessage");
    }

    // The one run that started the application, after the runs before it that must not have.
    Records OnlyRecordAfterAGoodRun()
    {
        EXPECT_EQ(Run(), Texts{});
        return fSandbox.WaitForRecords(1);
    }

    CutOutputSandbox fSandbox;
    std::unique_ptr<MarkplugHost> fHost;
    host::Document* fDocument = nullptr;
};

class CutLaunchWithBlanks : public CutLaunch {
protected:
    CutLaunchWithBlanks() : CutLaunch("temporary files") {}
};

}  // namespace

TEST_F(CutLaunch, WithoutARegisteredApplicationEveryRunSendsMessageOne)
{
    Start();
    EXPECT_EQ(Run(), Texts{testing_support::kMessageOne});
    EXPECT_EQ(Run(), Texts{testing_support::kMessageOne});
    EXPECT_EQ(testing_support::SentEvents(*fHost), Texts{"com.varrowkt.talvex.TalvexDispMessage|DispMessage|1|(null)"});
    EXPECT_EQ(testing_support::FileBytes(fSandbox.CutFile()),
              testing_support::CutFileText({"u", "12.500000 -30.250000 m", "S", "U"}));
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
}

TEST_F(CutLaunch, TheCurrentUsersValueWinsAndStartsTheApplicationWithTheFile)
{
    const std::string user = fSandbox.RecorderLink("user/talvex");
    const std::string machine = fSandbox.RecorderLink("machine/talvex");
    fSandbox.SetRegistryPath(true, user + std::string(1, '\0'));
    fSandbox.SetRegistryPath(false, machine + std::string(1, '\0'));
    Start();
    EXPECT_EQ(Run(), Texts{});
    const std::string cutFile = fSandbox.CutFile();
    ASSERT_NE(cutFile, "");
    EXPECT_EQ(fs::path(cutFile).parent_path(), fs::path(fSandbox.TempFolder()));
    EXPECT_EQ(fSandbox.WaitForRecords(1), (Records{{user, "-i", cutFile}}));
}

TEST_F(CutLaunch, TheLocalMachinesValueServesWhenTheUserHasNone)
{
    const std::string machine = fSandbox.RecorderLink("machine/talvex");
    fSandbox.SetRegistryPath(false, machine);  // no terminating NUL: every byte is the path
    Start();
    EXPECT_EQ(Run(), Texts{});
    EXPECT_EQ(fSandbox.WaitForRecords(1), (Records{{machine, "-i", fSandbox.CutFile()}}));
}

TEST_F(CutLaunch, AValueEndsAtItsFirstNul)
{
    const std::string user = fSandbox.RecorderLink("user/talvex");
    fSandbox.SetRegistryPath(true, user + std::string(1, '\0') + "/more bytes after the end");
    Start();
    EXPECT_EQ(Run(), Texts{});
    EXPECT_EQ(fSandbox.WaitForRecords(1), (Records{{user, "-i", fSandbox.CutFile()}}));
}

TEST_F(CutLaunch, AValueThatDoesNotFitIsPassedOver)
{
    const std::string machine = fSandbox.RecorderLink("machine/talvex");
    fSandbox.SetRegistryPath(true, std::string(260, 'x'));  // fills the buffer without a NUL
    fSandbox.SetRegistryPath(false, machine + std::string(1, '\0'));
    Start();
    EXPECT_EQ(Run(), Texts{});
    EXPECT_EQ(fSandbox.WaitForRecords(1), (Records{{machine, "-i", fSandbox.CutFile()}}));
}

// Registry values are files only in the Linux stand-in.
#if !defined(_WIN32)
TEST_F(CutLaunch, AFifoAsTheUsersValueIsPassedOverWithoutBeingOpenedForReading)
{
    const std::string machine = fSandbox.RecorderLink("machine/talvex");
    ASSERT_EQ(mkfifo(fSandbox.RegistryPathValue(true).c_str(), 0600), 0);
    fSandbox.SetRegistryPath(false, machine + std::string(1, '\0'));
    Start();
    EXPECT_EQ(Run(), Texts{});
    EXPECT_EQ(fSandbox.WaitForRecords(1), (Records{{machine, "-i", fSandbox.CutFile()}}));
}
#endif

TEST_F(CutLaunch, AnOverlongValueWithoutAnyFallbackMeansNotInstalled)
{
    fSandbox.SetRegistryPath(true, std::string(300, 'x'));
    fSandbox.SetRegistryPath(false, std::string(260, 'y'));
    Start();
    EXPECT_EQ(Run(), Texts{testing_support::kMessageOne});
}

TEST_F(CutLaunchWithBlanks, PathsWithBlanksStayOneArgumentEach)
{
    const std::string application = fSandbox.RecorderLink("Cutting Application/talvex");
    fSandbox.SetRegistryPath(true, application + std::string(1, '\0'));
    Start();
    EXPECT_EQ(Run(), Texts{});
    const std::string cutFile = fSandbox.CutFile();
    EXPECT_EQ(fs::path(cutFile).parent_path().filename(), "temporary files");
    EXPECT_EQ(fs::path(cutFile).filename().string().substr(0, 3), "~TX");
    EXPECT_EQ(fSandbox.WaitForRecords(1), (Records{{application, "-i", cutFile}}));
}

TEST_F(CutLaunch, ARegisteredPathTheSystemCannotStartSendsMessageOne)
{
    // What a broken installation leaves in the registry: the user must hear that nothing was started.
    const std::string recorder = fSandbox.RecorderLink("user/talvex");
    const fs::path plain = fs::path(fSandbox.Folder()) / "not a program.txt";
    {
        std::ofstream(plain) << "text";
    }
    for (const std::string& value :
         {fSandbox.Folder() + "/no such program", fSandbox.Folder(), std::string(), plain.string(), recorder + "\n"}) {
        fSandbox.SetRegistryPath(true, value);
        Start();
        EXPECT_EQ(Run(), Texts{testing_support::kMessageOne}) << value;
        EXPECT_EQ(fHost->Host().GetChecks().Violations(), Texts{}) << value;
        fHost.reset();
    }
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
    fSandbox.SetRegistryPath(true, recorder);
    Start();
    EXPECT_EQ(OnlyRecordAfterAGoodRun().size(), 1u);
}

TEST_F(CutLaunch, APathTheHostCannotGiveWholeIsNeverHandedOver)
{
    // A cut file that lacks a path, or holds one misplaced or cut where it should be perforated, ruins the
    // material: each failure below makes the file incomplete. Each call fails once, at the Nth time.
    fSandbox.SetRegistryPath(true, fSandbox.RecorderLink("user/talvex"));
    Start();
    AddPath(*fDocument, {{0, 0}, {10, 0}, {10, 10}}, true);
    for (const auto& [call, nth] : std::vector<std::pair<const char*, int32_t>>{{"GetMatchingArt", 1},
                                                                                {"GetMatchingArt", 2},
                                                                                {"GetDocumentOrigin", 1},
                                                                                {"GetTag", 1},
                                                                                {"GetTag", 5},
                                                                                {"GetArtType", 2},
                                                                                {"GetPathSegmentCount", 2},
                                                                                {"AllocateBlock", 1},
                                                                                {"GetPathSegments", 1},
                                                                                {"GetPathClosed", 2}}) {
        fHost->Host().GetFaults().FailCall(call, kCantHappenErr, 1, nth - 1);
        EXPECT_EQ(Run(), Texts{testing_support::kMessageTwo}) << call << ":" << nth;
        fHost->Host().GetFaults().Clear();
    }
    // The host's yes-or-no paint answers cannot fail; when both say no the path style is asked as well.
    fHost->Host().GetFaults().FailCall("ArtHasFill", kCantHappenErr);
    fHost->Host().GetFaults().FailCall("ArtHasStroke", kCantHappenErr);
    EXPECT_EQ(Run(), Texts{testing_support::kMessageTwo});
    fHost->Host().GetFaults().Clear();
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
    EXPECT_EQ(fHost->Host().GetChecks().Violations(), Texts{});
    EXPECT_EQ(OnlyRecordAfterAGoodRun().size(), 1u);
}

TEST_F(CutLaunch, WithoutADocumentTheRunIsSilent)
{
    fSandbox.SetRegistryPath(true, fSandbox.RecorderLink("user/talvex"));
    Start();
    fHost->Host().CloseDocument();
    EXPECT_EQ(Run(), Texts{});
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
}

TEST_F(CutLaunch, AFileThatCannotBeCreatedIsNotHandedOver)
{
    fSandbox.SetRegistryPath(true, fSandbox.RecorderLink("user/talvex"));
    Start();
    const std::string cutFile = fSandbox.CutFile();
    ASSERT_NE(cutFile, "");
    fs::remove(cutFile);
    fs::create_directory(cutFile);  // the name now holds a folder: the file cannot be created
    EXPECT_EQ(Run(), Texts{testing_support::kMessageTwo});
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
    fs::remove(cutFile);
    EXPECT_EQ(OnlyRecordAfterAGoodRun().size(), 1u);
}

// /dev/full is Linux's.
#if !defined(_WIN32)
TEST_F(CutLaunch, AFileThatCannotBeWrittenInFullIsNotHandedOver)
{
    fSandbox.SetRegistryPath(true, fSandbox.RecorderLink("user/talvex"));
    Start();
    const std::string cutFile = fSandbox.CutFile();
    ASSERT_NE(cutFile, "");
    fs::remove(cutFile);
    fs::create_symlink("/dev/full", cutFile);  // opens, but every write fails
    EXPECT_EQ(Run(), Texts{testing_support::kMessageTwo});
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
    fs::remove(cutFile);
    EXPECT_EQ(OnlyRecordAfterAGoodRun().size(), 1u);
}
#endif

TEST_F(CutLaunch, APathWithCoordinatesThatAreNoNumbersMakesTheFileIncomplete)
{
    fSandbox.SetRegistryPath(true, fSandbox.RecorderLink("user/talvex"));
    Start();
    host::Art& broken = AddPath(*fDocument, {{1, 1}, {2, 2}});
    broken.segments[1].in.h = std::numeric_limits<double>::quiet_NaN();
    host::Art& endless = AddPath(*fDocument, {{3, 3}});
    endless.segments[0].p.v = std::numeric_limits<double>::infinity();
    // The written coordinates overflow to infinity only once moved by the offset.
    fDocument->SetOrigin({std::numeric_limits<double>::max(), 0});
    AddPath(*fDocument, {{std::numeric_limits<double>::max(), 0}});
    EXPECT_EQ(Run(), Texts{testing_support::kMessageTwo});
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
    fDocument->SetOrigin({0, 0});
    broken.segments[1].in.h = 0;
    endless.segments[0].p.v = 0;
    fDocument->Dispose(fDocument->AllArt().back());
    EXPECT_EQ(OnlyRecordAfterAGoodRun().size(), 1u);
}
