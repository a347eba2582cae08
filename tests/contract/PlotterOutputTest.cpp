// The output run of the macOS feature set (operation 1) through the loaded module: the three command files in
// the output application's folder beside the host's current folder, byte for byte, and the opening of the
// output application (a recorder).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"

using testing_support::AddPath;
using testing_support::CutOutputSandbox;
using testing_support::FileBytes;
using testing_support::MarkplugHost;
using testing_support::OpenPage;
using testing_support::Payload;
using testing_support::Select;
using testing_support::Sent;
using testing_support::Tag;

namespace {

using Lines = std::vector<std::string>;

const std::string kPlainBegin = "IN;\r\nPA;\r\n";
const std::string kPlainEnd = "PU;\r\n!PG;\r\n";
const std::string kSemicolons(64, ';');
const std::string kTrailer = "\x1b%-12345X@PJL RESET\n@PJL ENTER LANGUAGE = RESET\n";

std::string Header(const char* lineEnd)
{
    return std::string("\x1b") + "E\x1b%-12345X@PJL RESET\n@PJL DO CROPMARK 200,200,6800,8400" + lineEnd +
           "@PJL ENTER LANGUAGE = VXCMD\n";
}

std::string Joined(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// W 170 mm and L 210 mm: the crop-mark line's 6800 and 8400.
std::string Settings(const char* machineType)
{
    return Payload(10, {{"W", "170"}, {"L", "210"}, {"X", "15"}, {"Y", "20"}, {"MachineType", machineType}});
}

class PlotterOutput : public testing::Test {
protected:
    CutOutputSandbox fSandbox;
    std::string fHostFolder = fSandbox.EnterMacHostFolder();
    std::string fFolder = fSandbox.Folder() + "/Applications/Talvex/";
    MarkplugHost fHost{"macos"};
    host::Document& fDocument = OpenPage(fHost);  // origin (12.5, -30.25)

    void SetUp() override
    {
        fSandbox.InstallOutputApplication();
        ASSERT_EQ(fHost.StartAndConnect(), kNoErr);
    }

    void Run(const char* target = "0")
    {
        fHost.Bus().ClearEvents();
        fHost.Click(Payload(1, {{"Target", target}}));
    }
    std::string File(const char* name) const { return FileBytes(fFolder + name); }
    std::string Program() const { return fFolder + "TalvexOutputX.app/Contents/MacOS/TalvexOutputX"; }
    // The three files for plain point lines and their turned lines, without crop marks.
    void ExpectFiles(const Lines& plain, const Lines& turned)
    {
        EXPECT_EQ(File("tmp.txt"), kPlainBegin + Joined(plain) + kPlainEnd);
        EXPECT_EQ(File("tmp_pro.txt"), kSemicolons + kPlainBegin + Joined(plain) + kPlainEnd);
        EXPECT_EQ(File("tmp_km.txt"), "PA;\r\n" + Joined(turned) + "PU;\r\n");
    }
};

}  // namespace

TEST_F(PlotterOutput, ClosedAndOpenPathsWithoutCropMarks)
{
    AddPath(fDocument, {{0, 0}, {72, 0}, {72, 36}, {0, 36}}, true);
    AddPath(fDocument, {{10, 20}, {30, 40}});
    Run();
    // Page coordinates (documentOrigin added back) in 1016 units an inch; a closed path ends back at its first
    // corner; the turned file takes (page height - y, x).
    ExpectFiles({"PU176,-426;", "PD1192,-426;", "PD1192,81;", "PD176,81;", "PD176,-426;", "PU318,-144;", "PD600,138;"},
                {"PU12307,176;", "PD12307,1192;", "PD11799,1192;", "PD11799,176;", "PD12307,176;", "PU12025,318;",
                 "PD11742,600;"});
    EXPECT_EQ(fSandbox.WaitForRecords(1), (std::vector<Lines>{{Program()}}));
    EXPECT_TRUE(Sent(fHost, "TalvexDispMessage").empty());
}

TEST_F(PlotterOutput, CoordinatesAreRoundedByAddingAHalfAndTruncating)
{
    fDocument.SetOrigin({0, 0});
    // One inch, under half a unit either side of zero, one point and one inch below zero.
    AddPath(fDocument, {{72, 0}, {0.0354, -0.0354}, {-1, -72}});
    Run();
    ExpectFiles({"PU1016,0;", "PD0,0;", "PD-13,-1015;"}, {"PU11880,1016;", "PD11880,0;", "PD12896,-13;"});
}

TEST_F(PlotterOutput, CropMarksWrapTheStreamsAndPlaceThePaths)
{
    fHost.Click(Settings("3"));  // TR-1: three marks, no further shift
    fHost.Click(Payload(6));
    AddPath(fDocument, {{0, 0}, {100, 50}});
    Run();
    const std::string points = "PU-423,-1226;\r\nPD987,-520;\r\n";
    EXPECT_EQ(File("tmp.txt"), Header(";\n") + kPlainBegin + points + kPlainEnd + kTrailer);
    EXPECT_EQ(File("tmp_pro.txt"), kSemicolons + Header(",4;\n") + kPlainBegin + points + kPlainEnd + kTrailer);
    EXPECT_EQ(File("tmp_km.txt"), "PA;\r\nPU13107,-423;\r\nPD12401,987;\r\nPU;\r\n");
    EXPECT_EQ(fSandbox.WaitForRecords(1), (std::vector<Lines>{{Program()}}));
}

TEST_F(PlotterOutput, TheFourMarkModelsShiftByFiveMillimetres)
{
    fHost.Click(Settings("4"));  // TR-2: 5 mm, 200 units, further on both axes
    fHost.Click(Payload(6));
    AddPath(fDocument, {{0, 0}, {100, 50}});
    Run();
    EXPECT_EQ(File("tmp_km.txt"), "PA;\r\nPU13307,-623;\r\nPD12601,788;\r\nPU;\r\n");
}

TEST_F(PlotterOutput, TargetsChooseThePathsAndARerunReplacesTheFiles)
{
    host::Art& selected = AddPath(fDocument, {{0, 0}, {72, 0}});
    Select(selected);
    host::Art& cut = AddPath(fDocument, {{0, 72}, {72, 72}});
    Tag(cut, "TalvexCutMark");
    fDocument.SetCurrentLayer(&fDocument.AddLayer("Other"));
    AddPath(fDocument, {{0, 144}, {72, 144}});  // on the new current layer
    const Lines first = {"PU176,-426;", "PD1192,-426;"};
    const Lines second = {"PU176,589;", "PD1192,589;"};
    const Lines third = {"PU176,1605;", "PD1192,1605;"};
    struct {
        const char* target;
        Lines plain;
    } cases[] = {{"1", first},
                 {"2", third},
                 {"3", second},
                 {"4", {"PU176,-426;", "PD1192,-426;", "PU176,589;", "PD1192,589;", "PU176,1605;", "PD1192,1605;"}}};
    for (const auto& c : cases) {
        Run(c.target);
        EXPECT_EQ(File("tmp.txt"), kPlainBegin + Joined(c.plain) + kPlainEnd) << "target " << c.target;
    }
    EXPECT_EQ(fSandbox.WaitForRecords(4).size(), 4u);
}

TEST_F(PlotterOutput, CurvesAreFlattenedWithinAUnit)
{
    fDocument.SetOrigin({0, 0});
    // A quarter circle of 1 inch radius from (72, 0) to (0, 72).
    host::Art& arc = AddPath(fDocument, {{72, 0}, {0, 72}});
    arc.segments[0].out = {72, 39.7645};
    arc.segments[1].in = {39.7645, 72};
    Run();
    const std::string text = File("tmp.txt");
    EXPECT_EQ(text.rfind(kPlainBegin + "PU1016,0;\r\n", 0), 0u);
    EXPECT_NE(text.find("PD0,1016;\r\n" + kPlainEnd), std::string::npos);
    // Every point lies on the circle to within a unit or two of rounding.
    std::size_t points = 0;
    std::istringstream lines(text.substr(kPlainBegin.size()));
    for (std::string line; std::getline(lines, line) && line.rfind("PU;", 0) != 0; ++points) {
        int x = 0, y = 0;
        ASSERT_EQ(std::sscanf(line.c_str() + 2, "%d,%d", &x, &y), 2) << line;
        EXPECT_NEAR(std::hypot(x, y), 1016.0, 2.5) << line;
    }
    EXPECT_GT(points, 8u);
}

TEST_F(PlotterOutput, OutputThatCannotBeCompleteIsNotSentToTheCutter)
{
    AddPath(fDocument, {{0, 0}, {72, 0}});
    // A point far beyond any cutter is left out with its path; the run is incomplete.
    AddPath(fDocument, {{0, 0}, {1e9, 0}});
    Run();
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageTwo});
    EXPECT_EQ(File("tmp.txt"), kPlainBegin + "PU176,-426;\r\nPD1192,-426;\r\n" + kPlainEnd);

    // Without the folder nothing can be written: no crash, message 2, nothing opened.
    std::filesystem::remove_all(fFolder);
    Run();
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageTwo});
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
}

TEST_F(PlotterOutput, AnOutputApplicationThatCannotBeOpenedIsReported)
{
    std::filesystem::remove_all(fFolder + "TalvexOutputX.app");
    AddPath(fDocument, {{0, 0}, {72, 0}});
    Run();
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageOne});
    EXPECT_EQ(File("tmp.txt"), kPlainBegin + "PU176,-426;\r\nPD1192,-426;\r\n" + kPlainEnd);
}

TEST_F(PlotterOutput, SystemsBefore10OpenNothing)
{
    fSandbox.SetSystemVersion("0x0ff0");
    AddPath(fDocument, {{0, 0}, {72, 0}});
    Run();
    // No references can be made on such a system: nothing is written, the panel hears of it, nothing opens.
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageTwo});
    EXPECT_FALSE(std::filesystem::exists(fFolder + "tmp.txt"));
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
}
