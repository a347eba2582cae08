#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kStandin = TALVEX_STANDIN;

// The lines, each ending with CR LF.
std::string CrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::vector<std::string> kHeader = {"%%EndComments", "%%BeginProlog", "%%EndProlog",
                                          "%%BeginSetup",  "%%EndSetup",    "%PD5_BeginLayer"};
const std::vector<std::string> kTrailer = {"%PD5_EndLayer--", "%%PageTrailer", "%%Trailer", "%%EOF"};

// A whole file: the first line, the crop-mark comment when given, the header, the body lines and the trailer.
std::string CutFile(const std::string& cropMarks, const std::vector<std::string>& body)
{
    std::vector<std::string> lines = {"%!PS-Adobe-3.0"};
    if (!cropMarks.empty()) {
        lines.push_back(cropMarks);
    }
    lines.insert(lines.end(), kHeader.begin(), kHeader.end());
    lines.insert(lines.end(), body.begin(), body.end());
    lines.insert(lines.end(), kTrailer.begin(), kTrailer.end());
    return CrLf(lines);
}

class CuttingApp : public ::testing::Test {
protected:
    // Writes the file and runs the stand-in on it with its results going to the test's folder.
    ProgramResult Check(const std::string& bytes)
    {
        WriteBytes(fInput, bytes);
        return RunProgram({kStandin, "-i", fInput.string(), "-o", fFolder.Path().string()}, fFolder.Path());
    }
    std::string Log() const { return FileText(fFolder.Path() / "last-cut.log"); }
    std::string Preview() const { return FileText(fFolder.Path() / "last-cut.svg"); }
    // "FILE:" for the expected messages.
    std::string At(int line) const { return fInput.string() + ":" + std::to_string(line) + ": "; }

    TempFolder fFolder;
    fs::path fInput = fFolder.Path() / "~TX1A2.TMP";
};

TEST_F(CuttingApp, ReadsAGoodFileAndPreviewsMarksCutLinesAndPerforationLines)
{
    const ProgramResult result =
        Check(CutFile("%%VarrowCropMark: 14.173228 14.173228 100.000000 50.000000 28.346457 28.346457 3",
                      {"u", "20.000000 20.000000 m", "20.000000 20.000000 60.000000 20.000000 60.000000 20.000000 c",
                       "60.000000 20.000000 40.000000 50.000000 40.000000 50.000000 c",
                       "40.000000 50.000000 20.000000 20.000000 20.000000 20.000000 c", "s", "U",  //
                       "u", "-5.500000 10.000000 m", "-5.500000 10.000000 130.000000 10.000000 130.000000 10.000000 c",
                       "S", "/TalvexPerforationMark (002) XT", "U",  //
                       "u", "s", "U"}));
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fErr, "");
    EXPECT_EQ(Log(), "cut data file: " + fInput.string() +
                         "\n"
                         "paths: 3 (cut lines 2, perforation lines 1)\n"
                         "crop marks: radius 14.173228 14.173228, W 100.000000, L 50.000000, X 28.346457, "
                         "Y 28.346457, count 3\n"
                         "crop-mark layout: three marks: bottom-left, bottom-right, top-left\n"
                         "problems: 0\n");
    // Marks span x 0 to 128.346456 and y 0 to 78.346456; the perforation line reaches x -5.5 and 130.
    EXPECT_EQ(Preview(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"155.5pt\" height=\"98.346456pt\" "
              "viewBox=\"-15.5 -88.346456 155.5 98.346456\">\n"
              "<g id=\"crop-marks\" fill=\"#808080\">\n"
              "<circle cx=\"14.173228\" cy=\"-14.173228\" r=\"14.173228\"/>\n"
              "<circle cx=\"114.173228\" cy=\"-14.173228\" r=\"14.173228\"/>\n"
              "<circle cx=\"14.173228\" cy=\"-64.173228\" r=\"14.173228\"/>\n"
              "</g>\n"
              "<g id=\"cut-lines\" fill=\"none\" stroke=\"#000000\" stroke-width=\"0.5\">\n"
              "<path d=\"M 20 -20 C 20 -20 60 -20 60 -20 C 60 -20 40 -50 40 -50 C 40 -50 20 -20 20 -20 Z\"/>\n"
              "</g>\n"
              "<g id=\"perforation-lines\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"0.5\" "
              "stroke-dasharray=\"3 2\">\n"
              "<path d=\"M -5.5 -10 C -5.5 -10 130 -10 130 -10\"/>\n"
              "</g>\n"
              "</svg>\n");
    // Nothing is left beside the results.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fFolder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"last-cut.log", "last-cut.svg", "run.err", "run.out", "~TX1A2.TMP"}));
}

TEST_F(CuttingApp, FourMarksOtherCountsAndAFileWithoutMarks)
{
    ASSERT_EQ(
        Check(CutFile("%%VarrowCropMark: 5.000000 5.000000 10.000000 20.000000 0.000000 0.000000 4", {})).fExitCode, 0);
    EXPECT_NE(Preview().find("viewBox=\"-10 -40 40 50\">\n"
                             "<g id=\"crop-marks\" fill=\"#808080\">\n"
                             "<circle cx=\"5\" cy=\"-5\" r=\"5\"/>\n"
                             "<circle cx=\"15\" cy=\"-5\" r=\"5\"/>\n"
                             "<circle cx=\"5\" cy=\"-25\" r=\"5\"/>\n"
                             "<circle cx=\"15\" cy=\"-25\" r=\"5\"/>\n"
                             "</g>\n"),
              std::string::npos)
        << Preview();

    // A count other than 3 and 4 (an empty preference store gives 0): top-left, top-right, bottom-left.
    ASSERT_EQ(
        Check(CutFile("%%VarrowCropMark: 5.000000 5.000000 10.000000 20.000000 0.000000 0.000000 0", {})).fExitCode, 0);
    EXPECT_NE(Preview().find("<circle cx=\"5\" cy=\"-25\" r=\"5\"/>\n"
                             "<circle cx=\"15\" cy=\"-25\" r=\"5\"/>\n"
                             "<circle cx=\"5\" cy=\"-5\" r=\"5\"/>\n"
                             "</g>\n"),
              std::string::npos)
        << Preview();
    EXPECT_NE(Log().find("crop-mark layout: three marks: top-left, top-right, bottom-left\n"), std::string::npos);

    // One or two marks, or five, cannot register a cut.
    for (const char* count : {"1", "2", "5"}) {
        const ProgramResult result = Check(CutFile(
            std::string("%%VarrowCropMark: 5.000000 5.000000 10.000000 20.000000 0.000000 0.000000 ") + count, {}));
        EXPECT_EQ(result.fExitCode, 1) << count;
        EXPECT_EQ(result.fErr, At(2) + "crop-mark count " + count +
                                   " is not one the marks can have: 3, 4, or 0 for three marks hung from the top\n");
    }

    // The smallest file: eleven lines, no marks, no paths.
    const ProgramResult bare = Check(CutFile("", {}));
    EXPECT_EQ(bare.fExitCode, 0);
    EXPECT_EQ(bare.fErr, "");
    EXPECT_EQ(Log(), "cut data file: " + fInput.string() +
                         "\npaths: 0 (cut lines 0, perforation lines 0)\ncrop marks: none\nproblems: 0\n");
    EXPECT_NE(Preview().find("width=\"20pt\" height=\"20pt\" viewBox=\"-10 -10 20 20\">\n"
                             "<g id=\"crop-marks\" fill=\"#808080\">\n</g>\n"),
              std::string::npos)
        << Preview();
}

TEST_F(CuttingApp, ReportsEveryLineItCannotReadAndGoesOn)
{
    const std::string bytes =
        CrLf({"%!PS-Adobe-2.0",
              "%%VarrowCropMark: 14.173228 14.173228 566.929134 850.393701 28.346457 28.346457 4.0",
              "%%EndComments",
              "%%BeginProlog",
              "%%BeginSetup",
              "%%EndSetup",
              "%PD5_BeginLayer",  //
              "u",
              "1.5 2.000000 m",
              "1.000000 2.000000 3.000000 4.000000 5.000000 c",
              "1.000000  2.000000 3.000000 4.000000 5.000000 6.000000 c",
              "S",
              "U",  //
              "s",  //
              "u",
              "+1.000000 01.000000 m",
              "1.000000 2.000000 3.000000 4.000000 5.000000 1234567890.000000 c",
              "s",
              "U",  //
              "u",
              "/TalvexPerforationMark (002) XT",
              "U",                //
              "hello \"world\"",  //
              "%PD5_EndLayer--",
              "%%PageTrailer",
              "%%EOF",
              "%%Trailer",
              "u\t\x01"}) +
        "%%EOF";
    const ProgramResult result = Check(bytes);
    EXPECT_EQ(result.fExitCode, 1);
    const std::string problems = At(1) + "\"%!PS-Adobe-2.0\" is not the DSC 3.0 line \"%!PS-Adobe-3.0\"\n" +  //
                                 At(2) + "\"4.0\" is not an integer\n" +                                      //
                                 At(5) + "unexpected \"%%BeginSetup\"; expected \"%%EndProlog\"\n" +          //
                                 At(9) + "\"1.5\" is not a real number with six decimals\n" +                 //
                                 At(10) + "\"c\" line needs 6 numbers, found 5\n" +                           //
                                 At(11) + "numbers must be separated by single blanks\n" +                    //
                                 At(14) + "unexpected \"s\"; expected \"u\" or \"%PD5_EndLayer--\"\n" +       //
                                 At(16) + "\"+1.000000\" is not a real number with six decimals\n" +          //
                                 At(16) + "\"01.000000\" is not a real number with six decimals\n" +          //
                                 At(17) + "\"1234567890.000000\" is out of range\n" +                         //
                                 At(21) + "unexpected perforation tag line; expected \"m\" line, \"s\" or \"S\"\n" +
                                 At(23) + "cannot read line \"hello \\\"world\\\"\"\n" +      //
                                 At(26) + "unexpected \"%%EOF\"; expected \"%%Trailer\"\n" +  //
                                 At(27) + "text after \"%%EOF\"\n" +                          //
                                 At(28) + "cannot read line \"u\\x09\\x01\"\n" +              //
                                 At(29) + "last line does not end with CR LF\n" +             //
                                 At(29) + "text after \"%%EOF\"\n";
    EXPECT_EQ(result.fErr, problems);
    EXPECT_EQ(Log(), "cut data file: " + fInput.string() +
                         "\npaths: 3 (cut lines 2, perforation lines 1)\ncrop marks: none\nproblems: 17\n" + problems);
}

TEST_F(CuttingApp, RefusesLfOnlyLineEndsAndMissingLines)
{
    std::string lfOnly = CutFile("", {"u", "S", "U"});
    std::string expected;
    for (std::size_t at = lfOnly.find("\r\n"), line = 1; at != std::string::npos; at = lfOnly.find("\r\n"), ++line) {
        lfOnly.erase(at, 1);
        expected += At(static_cast<int>(line)) + "line ends with LF only; CR LF expected\n";
    }
    ProgramResult result = Check(lfOnly);
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr, expected);

    // A header without its fixed lines is reported once, at the line that ends it early; so is a file that ends.
    result = Check(CrLf({"%!PS-Adobe-3.0", "u", "1.000000 2.000000 m", "S"}));
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr, At(2) + "unexpected \"u\"; expected crop-mark comment or \"%%EndComments\"\n" + At(5) +
                               "file ends early; expected perforation tag line or \"U\"\n");

    result = Check("");
    EXPECT_EQ(result.fErr, At(1) + "file ends early; expected \"%!PS-Adobe-3.0\"\n");

    fs::remove(fInput);
    result = RunProgram({kStandin, "-o", fFolder.Path().string(), "-i", fInput.string()}, fFolder.Path());
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr, fInput.string() + ": cannot open: No such file or directory\n");
    EXPECT_NE(Log().find("problems: 1\n" + fInput.string() + ": cannot open: No such file or directory\n"),
              std::string::npos);
}

TEST_F(CuttingApp, TakesNumbersOnlyInTheFormOfPrintfLf)
{
    const std::vector<std::string> bad = {".500000", "0.5",       "1.0000000", "1,000000",   "1.00000a", "-",
                                          "1e+05",   "00.000000", "-.000000",  "0x1.000000", "1.000000 "};
    std::vector<std::string> body;
    for (const std::string& form : bad) {
        body.insert(body.end(), {"u", form + " 0.000000 m", "S", "U"});
    }
    const ProgramResult result =
        Check(CutFile("%%VarrowCropMark: 0.500000 -0.000000 123456789.000000 -123456789.999999 0.000000 -1.250000 "
                      "-2147483648",
                      body));
    // The values are read; a count of marks no layout has is a problem of its own.
    std::string expected =
        At(2) +
        "crop-mark count -2147483648 is not one the marks can have: 3, 4, or 0 for three marks hung from the top\n";
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const int line = 8 + 4 * static_cast<int>(i) + 2;
        expected += At(line) +
                    (i + 1 == bad.size() ? std::string("numbers must be separated by single blanks")
                                         : "\"" + bad[i] + "\" is not a real number with six decimals") +
                    "\n";
    }
    EXPECT_EQ(result.fErr, expected);
    EXPECT_NE(Log().find("crop marks: radius 0.500000 -0.000000, W 123456789.000000, L -123456789.999999, "
                         "X 0.000000, Y -1.250000, count -2147483648\n"),
              std::string::npos)
        << Log();

    for (const auto& [values, message] : std::vector<std::pair<std::string, std::string>>{
             {"5.000000 5.000000 1.000000 1.000000 0.000000 0.000000 2147483648", "\"2147483648\" is out of range"},
             {"5.000000 5.000000 1.000000 1.000000 0.000000 0.000000 04", "\"04\" is not an integer"},
             {"5.000000 5.000000 1.000000 1.000000 0.000000 0.000000 -0", "\"-0\" is not an integer"},
             {"0.000000 5.000000 1.000000 1.000000 0.000000 0.000000 4", "crop-mark radius must be greater than 0"},
             {"5.000000 5.000000 1.000000 1.000000 0.000000 4",
              "crop-mark comment needs 6 real numbers and 1 "
              "integer, found 6 values"}}) {
        EXPECT_EQ(Check(CutFile("%%VarrowCropMark: " + values, {})).fErr, At(2) + message + "\n") << values;
    }
}

TEST_F(CuttingApp, WritesBesideItselfByDefaultAndChecksItsUsage)
{
    const fs::path installed = fFolder.Path() / "Talvex" / "talvex-standin";
    fs::create_directories(installed.parent_path());
    fs::copy_file(kStandin, installed);
    WriteBytes(fInput, CutFile("", {}));
    ProgramResult result = RunProgram({installed.string(), "-i", fInput.string()}, fFolder.Path());
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(FileText(installed.parent_path() / "last-cut.log"),
              "cut data file: " + fInput.string() +
                  "\npaths: 0 (cut lines 0, perforation lines 0)\ncrop marks: none\nproblems: 0\n");
    EXPECT_TRUE(fs::exists(installed.parent_path() / "last-cut.svg"));

    result = RunProgram({kStandin, "--help"}, fFolder.Path());
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fOut.rfind("usage: talvex-standin -i FILE [-o DIR]\n", 0), 0u) << result.fOut;

    for (const auto& [arguments, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, "-i FILE is required"},
             {{"-i"}, "-i needs a value"},
             {{"-i", "a", "-i", "b"}, "-i given twice"},
             {{"-o", "x"}, "-i FILE is required"},
             {{"-i", "a", "extra"}, "unknown argument \"extra\""}}) {
        std::vector<std::string> command = {kStandin};
        command.insert(command.end(), arguments.begin(), arguments.end());
        result = RunProgram(command, fFolder.Path());
        EXPECT_EQ(result.fExitCode, 2) << message;
        EXPECT_EQ(result.fErr.rfind("talvex-standin: " + message + "\nusage: talvex-standin", 0), 0u) << result.fErr;
    }
}

}  // namespace
