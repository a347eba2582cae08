// The cut data file that the output run (operation 1) writes: every line byte for byte, with CR LF and "%lf"
// numbers, for the path shapes, the perforation tag line, the crop-mark comment and the placement of the paths
// relative to the crop marks, through the loaded module. The document's origin is not zero, so that every
// coordinate goes through documentOrigin.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"

using testing_support::AddPath;
using testing_support::CutFileText;
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

// "%lf" in the C locale: the oracle for coordinates too large to spell out.
std::string Lf(double value)
{
    char text[400];
    std::snprintf(text, sizeof text, "%lf", value);
    return text;
}

class CutFile : public testing::Test {
protected:
    CutOutputSandbox fSandbox;
    MarkplugHost fHost{"windows"};
    host::Document& fDocument = OpenPage(fHost);  // origin (12.5, -30.25)

    void SetUp() override { ASSERT_EQ(fHost.StartAndConnect(), kNoErr); }

    // Runs the output for the target and returns the file's bytes.
    std::string Run(const char* target = "0")
    {
        fHost.Bus().ClearEvents();
        fHost.Click(Payload(1, {{"Target", target}}));
        return FileBytes(fSandbox.CutFile());
    }
};

// An open line from artwork (0, 0) to (100, 50), as it is written with each placement.
struct Placement {
    const char* name;
    std::string settings;  // the crop settings operation, or empty for no crop marks
    Lines expected;
};

class CutFilePlacement : public CutFile, public testing::WithParamInterface<Placement> {};

}  // namespace

TEST_F(CutFile, ADocumentWithoutPathsOrMarksGivesElevenLines)
{
    const std::string text = Run();
    EXPECT_EQ(text, CutFileText({}));
    EXPECT_EQ(text,
              "%!PS-Adobe-3.0\r\n%%EndComments\r\n%%BeginProlog\r\n%%EndProlog\r\n%%BeginSetup\r\n%%EndSetup\r\n"
              "%PD5_BeginLayer\r\n%PD5_EndLayer--\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n");
    // The application is not registered: the file is written and message 1 sent, once.
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageOne});
    EXPECT_EQ(testing_support::SentEvents(fHost), Lines{"com.varrowkt.talvex.TalvexDispMessage|DispMessage|1|(null)"});
}

TEST_F(CutFile, ClosedOpenOneAnchorAndEmptyPaths)
{
    AddPath(fDocument, {{0, 0}, {100, 0}, {50, 80}}, true);  // a closed triangle
    AddPath(fDocument, {{10, 20}, {30, 40}});                // an open two-point line
    AddPath(fDocument, {{7, 8}});                            // one anchor, open
    AddPath(fDocument, {}, true);                            // no segments, closed
    AddPath(fDocument, {});                                  // no segments, open
    host::Art& curve = AddPath(fDocument, {{0, 0}, {60, 0}});
    curve.segments[0].out = {10, 20};
    curve.segments[1].in = {50, -20};
    EXPECT_EQ(Run(), CutFileText({
                         "u",
                         "12.500000 -30.250000 m",
                         "12.500000 -30.250000 112.500000 -30.250000 112.500000 -30.250000 c",
                         "112.500000 -30.250000 62.500000 49.750000 62.500000 49.750000 c",
                         "62.500000 49.750000 12.500000 -30.250000 12.500000 -30.250000 c",
                         "s",
                         "U",
                         "u",
                         "22.500000 -10.250000 m",
                         "22.500000 -10.250000 42.500000 9.750000 42.500000 9.750000 c",
                         "S",
                         "U",
                         "u",
                         "19.500000 -22.250000 m",
                         "S",
                         "U",
                         "u",
                         "s",
                         "U",
                         "u",
                         "S",
                         "U",
                         "u",
                         "12.500000 -30.250000 m",
                         "22.500000 -10.250000 62.500000 -50.250000 72.500000 -30.250000 c",
                         "S",
                         "U",
                     }));
    EXPECT_EQ(fHost.Leftovers().find("blocks"), std::string::npos);  // each path's block went back
}

TEST_F(CutFile, PerforationLinesCarryTheTagLineAndCutTagsNone)
{
    host::Art& perforated = AddPath(fDocument, {{0, 0}}, true);
    Tag(perforated, "TalvexPerforationMark");
    host::Art& both = AddPath(fDocument, {{1, 1}});
    Tag(both, "TalvexCutMark");
    Tag(both, "TalvexPerforationMark");
    Tag(AddPath(fDocument, {{2, 2}}), "TalvexCutMark");
    const Lines perforatedBlock = {
        "u", "12.500000 -30.250000 m",          "12.500000 -30.250000 12.500000 -30.250000 12.500000 -30.250000 c",
        "s", "/TalvexPerforationMark (002) XT", "U"};
    const Lines bothBlock = {"u", "13.500000 -29.250000 m", "S", "/TalvexPerforationMark (002) XT", "U"};
    const Lines cutBlock = {"u", "14.500000 -28.250000 m", "S", "U"};
    Lines all = perforatedBlock;
    all.insert(all.end(), bothBlock.begin(), bothBlock.end());
    all.insert(all.end(), cutBlock.begin(), cutBlock.end());
    EXPECT_EQ(Run("0"), CutFileText(all));
    Lines perforationLines = perforatedBlock;
    perforationLines.insert(perforationLines.end(), bothBlock.begin(), bothBlock.end());
    EXPECT_EQ(Run("4"), CutFileText(perforationLines));
    Lines cutLines = bothBlock;
    cutLines.insert(cutLines.end(), cutBlock.begin(), cutBlock.end());
    EXPECT_EQ(Run("3"), CutFileText(cutLines));
}

TEST_F(CutFile, TheCropMarkCommentCarriesTheSettingsAndTheMarksAreNotWritten)
{
    fHost.Click(
        Payload(10, {{"W", "200"}, {"L", "300"}, {"X", "10"}, {"Y", "10"}, {"MachineType", "8"}, {"CropCount", "4"}}));
    fHost.Click(Payload(6));
    ASSERT_EQ(testing_support::CropMarks(fDocument).size(), 9u);
    EXPECT_EQ(Run(), CutFileText({},
                                 "%%VarrowCropMark: 14.173228 14.173228 566.929134 850.393701 28.346457 "
                                 "28.346457 4"));
}

TEST_F(CutFile, EachRunRewritesTheFileFromTheStart)
{
    Select(AddPath(fDocument, {{0, 0}}));
    AddPath(fDocument, {{1, 1}});
    EXPECT_EQ(Run("0"),
              CutFileText({"u", "12.500000 -30.250000 m", "S", "U", "u", "13.500000 -29.250000 m", "S", "U"}));
    EXPECT_EQ(Run("1"), CutFileText({"u", "12.500000 -30.250000 m", "S", "U"}));
    EXPECT_EQ(Run("2"),
              CutFileText({"u", "12.500000 -30.250000 m", "S", "U", "u", "13.500000 -29.250000 m", "S", "U"}));
}

TEST_F(CutFile, CoordinatesOfAnySizeAreWrittenInFull)
{
    fDocument.SetOrigin({0, 0});
    const double huge = 1e300;
    const double largest = std::numeric_limits<double>::max();
    AddPath(fDocument, {{huge, -huge}, {-largest, 1234567.125}});
    const std::string text = Run();
    EXPECT_EQ(text, CutFileText({"u", Lf(huge) + " " + Lf(-huge) + " m",
                                 Lf(huge) + " " + Lf(-huge) + " " + Lf(-largest) + " 1234567.125000 " + Lf(-largest) +
                                     " 1234567.125000 c",
                                 "S", "U"}));
    EXPECT_GT(text.size(), 1500u);  // far beyond a 100-byte line
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageOne});
}

TEST_F(CutFile, AFileLargerThanAnyBufferIsWrittenWhole)
{
    fDocument.SetOrigin({0, 0});
    Lines expected;
    for (int i = 0; i < 4000; ++i) {
        const double x = i * 0.5;
        AddPath(fDocument, {{x, -x}, {x + 1, 2.25}});
        const double y = -x + 0.0;  // as written: the offset added (-0 + 0 is 0)
        expected.insert(expected.end(),
                        {"u", Lf(x) + " " + Lf(y) + " m",
                         Lf(x) + " " + Lf(y) + " " + Lf(x + 1) + " 2.250000 " + Lf(x + 1) + " 2.250000 c", "S", "U"});
    }
    const std::string text = Run();
    EXPECT_GT(text.size(), 4u * 65536u);
    EXPECT_EQ(text, CutFileText(expected));
}

TEST_F(CutFile, APathTheHostCannotAllocateMakesTheFileIncomplete)
{
    AddPath(fDocument, {{0, 0}});
    AddPath(fDocument, {{1, 1}});
    fHost.Host().GetFaults().FailCall("AllocateBlock", kOutOfMemoryErr, 1);
    EXPECT_EQ(Run(), CutFileText({"u", "13.500000 -29.250000 m", "S", "U"}));
    EXPECT_EQ(Sent(fHost, "TalvexDispMessage"), Lines{testing_support::kMessageTwo});
}

TEST_F(CutFile, WithoutADocumentNothingIsWrittenOrSent)
{
    AddPath(fDocument, {{0, 0}});
    const std::string before = Run();
    ASSERT_EQ(before, CutFileText({"u", "12.500000 -30.250000 m", "S", "U"}));
    fHost.Host().CloseDocument().reset();
    EXPECT_EQ(Run(), before);
    EXPECT_EQ(testing_support::SentEvents(fHost), Lines{});
}

TEST_P(CutFilePlacement, PathsArePlacedRelativeToTheCropMarks)
{
    const Placement& placement = GetParam();
    if (!placement.settings.empty()) {
        fHost.Click(placement.settings);
        fHost.Click(Payload(6));
    }
    AddPath(fDocument, {{0, 0}, {100, 50}});
    Lines expected = {"u"};
    expected.insert(expected.end(), placement.expected.begin(), placement.expected.end());
    expected.insert(expected.end(), {"S", "U"});
    const std::string text = Run();
    ASSERT_GT(text.size(), 40u);
    // The header holds the crop-mark comment when there are marks: compare the path lines only.
    const std::string paths = text.substr(text.find("%PD5_BeginLayer\r\n") + 17);
    EXPECT_EQ(paths,
              testing_support::CrLfLines(expected) + testing_support::CrLfLines(testing_support::kCutFileTrailer));
    EXPECT_EQ(text.find("%%VarrowCropMark:") != std::string::npos, !placement.settings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Models, CutFilePlacement,
    testing::Values(
        // No marks: page coordinates, documentOrigin added back.
        Placement{"NoMarks",
                  "",
                  {"12.500000 -30.250000 m", "12.500000 -30.250000 112.500000 19.750000 112.500000 19.750000 c"}},
        // KM-1 (rows 0 to 2): the marks hang from the page top, so the page height enters the y offset.
        Placement{"HangingFromThePageTop",
                  Payload(10, {{"W", "150"}, {"L", "250"}, {"X", "25"}, {"Y", "6"}, {"MachineType", "0"}}),
                  {"-58.366142 -118.124052 m", "-58.366142 -118.124052 41.633858 -68.124052 41.633858 -68.124052 c"}},
        // TR-1 defaults (rows 3 to 8), crop count 0: three marks at the top of a bottom-standing frame.
        Placement{"StandingOnThePageBottom",
                  Payload(10, {{"W", "170"}, {"L", "210"}, {"X", "15"}, {"Y", "20"}, {"MachineType", "3"}}),
                  {"-30.019685 -86.942913 m", "-30.019685 -86.942913 69.980315 -36.942913 69.980315 -36.942913 c"}},
        // TS-1 with three marks: no shift.
        Placement{
            "BottomThree",
            Payload(10,
                    {{"W", "170"}, {"L", "200"}, {"X", "10"}, {"Y", "20"}, {"MachineType", "8"}, {"CropCount", "3"}}),
            {"-15.846457 -86.942913 m", "-15.846457 -86.942913 84.153543 -36.942913 84.153543 -36.942913 c"}},
        // TS-1 with four marks: both offsets move by a further 5 mm, 14.173228 points.
        Placement{
            "BottomFour",
            Payload(10,
                    {{"W", "170"}, {"L", "200"}, {"X", "10"}, {"Y", "20"}, {"MachineType", "8"}, {"CropCount", "4"}}),
            {"-30.019685 -101.116142 m", "-30.019685 -101.116142 69.980315 -51.116142 69.980315 -51.116142 c"}}),
    [](const testing::TestParamInfo<Placement>& param) { return std::string(param.param.name); });
