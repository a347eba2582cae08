// The cut data files that the loaded module writes, read by the cutting application stand-in's strict reader: every
// shape of path, perforation lines, and each kind of crop marks, read without a problem.
#include <gtest/gtest.h>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"
#include "ProgramRun.h"

using namespace testing_support;

namespace {

struct Marks {
    const char* name;
    std::string settings;  // the crop settings operation; empty: no crop marks
    std::string logLine;   // what the stand-in read of them
};

class CutFileRead : public testing::TestWithParam<Marks> {
protected:
    CutOutputSandbox fSandbox;
    MarkplugHost fHost{"windows"};
    host::Document& fDocument = OpenPage(fHost);

    void SetUp() override { ASSERT_EQ(fHost.StartAndConnect(), kNoErr); }
};

}  // namespace

TEST_P(CutFileRead, EveryPathShapeAndPerforationLineIsRead)
{
    if (!GetParam().settings.empty()) {
        fHost.Click(GetParam().settings);
        fHost.Click(Payload(6));
        ASSERT_FALSE(CropMarks(fDocument).empty());
    }
    AddPath(fDocument, {{0, 0}, {100, 0}, {50, 80}}, true);                           // closed
    AddPath(fDocument, {{10, 20}, {30, 40}}, false, false).style.strokePaint = true;  // open, stroked only
    AddPath(fDocument, {{7, 8}});                                                     // one anchor, open
    AddPath(fDocument, {{9, 9}}, true);                                               // one anchor, closed
    host::Art& curve = AddPath(fDocument, {{0, 0}, {60, 0}, {60, 60}});
    curve.segments[0].out = {10, 20};
    curve.segments[1].in = {50, -20};
    Tag(AddPath(fDocument, {{0, 300}, {400, 300}}), "TalvexPerforationMark");
    host::Art& both = AddPath(fDocument, {{5, 5}, {6, 6}}, true);
    Tag(both, "TalvexCutMark");
    Tag(both, "TalvexPerforationMark");
    fHost.Click(Payload(1, {{"Target", "0"}}));
    const std::string file = fSandbox.CutFile();
    ASSERT_NE(FileBytes(file), "");

    const ProgramResult read = RunProgram({TALVEX_STANDIN, "-i", file, "-o", fSandbox.Folder()}, fSandbox.Folder());
    EXPECT_EQ(read.fErr, "");
    EXPECT_EQ(read.fExitCode, 0);
    EXPECT_EQ(FileBytes(fSandbox.Folder() + "/last-cut.log"), "cut data file: " + file +
                                                                  "\npaths: 7 (cut lines 5, perforation lines 2)\n" +
                                                                  GetParam().logLine + "problems: 0\n");
}

INSTANTIATE_TEST_SUITE_P(
    CropMarks, CutFileRead,
    testing::Values(
        Marks{"None", "", "crop marks: none\n"},
        Marks{"HangingFromThePageTop",
              Payload(10, {{"W", "150"}, {"L", "250"}, {"X", "25"}, {"Y", "6"}, {"MachineType", "0"}}),
              "crop marks: radius 14.173228 14.173228, W 425.196850, L 708.661417, X 70.866142, Y 17.007874, count 0\n"
              "crop-mark layout: three marks: top-left, top-right, bottom-left\n"},
        Marks{"ThreeStandingOnThePageBottom",
              Payload(10,
                      {{"W", "170"}, {"L", "200"}, {"X", "10"}, {"Y", "20"}, {"MachineType", "8"}, {"CropCount", "3"}}),
              "crop marks: radius 14.173228 14.173228, W 481.889764, L 566.929134, X 28.346457, Y 56.692913, count 3\n"
              "crop-mark layout: three marks: bottom-left, bottom-right, top-left\n"},
        Marks{"FourStandingOnThePageBottom",
              Payload(10,
                      {{"W", "170"}, {"L", "200"}, {"X", "10"}, {"Y", "20"}, {"MachineType", "8"}, {"CropCount", "4"}}),
              "crop marks: radius 14.173228 14.173228, W 481.889764, L 566.929134, X 28.346457, Y 56.692913, count 4\n"
              "crop-mark layout: four marks: bottom-left, bottom-right, top-left, top-right\n"}),
    [](const testing::TestParamInfo<Marks>& param) { return std::string(param.param.name); });
