#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kStandin = OUTPUT_STANDIN;

const std::string kPadding(64, ';');
const std::string kStart = "IN;\r\nPA;\r\n";
const std::string kEnd = "PU;\r\n!PG;\r\n";
const std::string kCropTrailer = "\x1b%-12345X@PJL RESET\n@PJL ENTER LANGUAGE = RESET\n";

// The crop header with W and L, ending ";" in tmp.txt and ",4;" in tmp_pro.txt.
std::string CropHeader(const std::string& values, const std::string& end)
{
    return "\x1b"
           "E\x1b%-12345X@PJL RESET\n@PJL DO CROPMARK " +
           values + end + "\n@PJL ENTER LANGUAGE = VXCMD\n";
}

// Point lines: each command and its numbers, then ";" and CR LF.
std::string Points(const std::vector<std::string>& points)
{
    std::string text;
    for (const std::string& point : points) {
        text += point + ";\r\n";
    }
    return text;
}

// A page 792 points high (11176 units). A closed square from (72, 72) to (144, 144) points, and an open path
// through (-1, -2), (0.0354, 10) and (36, -0.03) points, rounded as trunc(v * 1016 / 72 + 0.5).
const std::string kPoints = Points(
    {"PU1016,1016", "PD2032,1016", "PD2032,2032", "PD1016,2032", "PD1016,1016", "PU-13,-27", "PD0,141", "PD508,0"});
// The same, turned: (11176 - y, x) in points before rounding.
const std::string kTurnedPoints = Points({"PU10160,1016", "PD10160,2032", "PD9144,2032", "PD9144,1016", "PD10160,1016",
                                          "PU11204,-13", "PD11035,0", "PD11176,508"});

class OutputApp : public ::testing::Test {
protected:
    void Write(const std::string& plain, const std::string& pro, const std::string& turned)
    {
        WriteBytes(fFolder.Path() / "tmp.txt", plain);
        WriteBytes(fFolder.Path() / "tmp_pro.txt", pro);
        WriteBytes(fFolder.Path() / "tmp_km.txt", turned);
    }
    // The three files as the plug-in writes them, with crop marks when cropValues is not empty.
    void WriteGood(const std::string& cropValues, const std::string& points, const std::string& turnedPoints)
    {
        const bool marks = !cropValues.empty();
        Write((marks ? CropHeader(cropValues, ";") : "") + kStart + points + kEnd + (marks ? kCropTrailer : ""),
              kPadding + (marks ? CropHeader(cropValues, ",4;") : "") + kStart + points + kEnd +
                  (marks ? kCropTrailer : ""),
              "PA;\r\n" + turnedPoints + "PU;\r\n");
    }
    ProgramResult Check() { return RunProgram({kStandin, "-d", Folder(), "-o", Folder()}, fFolder.Path()); }
    std::string Folder() const { return fFolder.Path().string(); }
    std::string Log() const { return FileText(fFolder.Path() / "last-output.log"); }
    std::string Preview() const { return FileText(fFolder.Path() / "last-output.svg"); }
    // "FOLDER/FILE:LINE: " for the expected messages; line 0 gives "FOLDER/FILE: ".
    std::string At(const std::string& file, int line) const
    {
        return Folder() + "/" + file + (line == 0 ? "" : ":" + std::to_string(line)) + ": ";
    }

    TempFolder fFolder;
};

TEST_F(OutputApp, ReadsGoodFilesWithCropMarksAndPreviewsThePathsInTheFrame)
{
    WriteGood("200,200,6800,8400", kPoints, kTurnedPoints);
    const ProgramResult result = Check();
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fErr, "");
    EXPECT_EQ(Log(), "command folder: " + Folder() +
                         "\n"
                         "tmp.txt: 2 paths (1 closed), 8 points, crop header\n"
                         "tmp_pro.txt: 2 paths (1 closed), 8 points, crop header\n"
                         "tmp_km.txt: 2 paths (1 closed), 8 points\n"
                         "crop marks: origin 200,200, W 6800, L 8400\n"
                         "page height of tmp_km.txt: 11175 to 11177 units\n"
                         "problems: 0\n");
    // The marks' circles reach from (0, 0) to (7200, 8800); the open path goes to x -13 and y -27.
    EXPECT_EQ(Preview(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"190.325mm\" height=\"230.675mm\" "
              "viewBox=\"-213 -9000 7613 9227\">\n"
              "<g id=\"crop-mark-frame\" fill=\"none\" stroke=\"#808080\" stroke-width=\"10\">\n"
              "<rect x=\"200\" y=\"-8600\" width=\"6800\" height=\"8400\"/>\n"
              "<circle cx=\"200\" cy=\"-200\" r=\"200\"/>\n"
              "<circle cx=\"7000\" cy=\"-200\" r=\"200\"/>\n"
              "<circle cx=\"200\" cy=\"-8600\" r=\"200\"/>\n"
              "<circle cx=\"7000\" cy=\"-8600\" r=\"200\"/>\n"
              "</g>\n"
              "<g id=\"cut-paths\" fill=\"none\" stroke=\"#000000\" stroke-width=\"10\">\n"
              "<path d=\"M 1016 -1016 L 2032 -1016 L 2032 -2032 L 1016 -2032 L 1016 -1016\"/>\n"
              "<path d=\"M -13 27 L 0 -141 L 508 0\"/>\n"
              "</g>\n"
              "</svg>\n");
}

TEST_F(OutputApp, ReadsGoodFilesWithoutCropMarksAndWithoutPaths)
{
    WriteGood("", kPoints, kTurnedPoints);
    ProgramResult result = Check();
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fErr, "");
    EXPECT_EQ(Log(), "command folder: " + Folder() +
                         "\n"
                         "tmp.txt: 2 paths (1 closed), 8 points\n"
                         "tmp_pro.txt: 2 paths (1 closed), 8 points\n"
                         "tmp_km.txt: 2 paths (1 closed), 8 points\n"
                         "crop marks: none\n"
                         "page height of tmp_km.txt: 11175 to 11177 units\n"
                         "problems: 0\n");
    EXPECT_NE(Preview().find("viewBox=\"-213 -2232 2445 2459\">\n"
                             "<g id=\"crop-mark-frame\" fill=\"none\" stroke=\"#808080\" stroke-width=\"10\">\n"
                             "</g>\n"),
              std::string::npos)
        << Preview();

    // The files of a run that admitted no object.
    Write(kStart + kEnd, kPadding + kStart + kEnd, "PA;\r\nPU;\r\n");
    result = Check();
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fErr, "");
    EXPECT_EQ(Log(), "command folder: " + Folder() +
                         "\n"
                         "tmp.txt: 0 paths (0 closed), 0 points\n"
                         "tmp_pro.txt: 0 paths (0 closed), 0 points\n"
                         "tmp_km.txt: 0 paths (0 closed), 0 points\n"
                         "crop marks: none\n"
                         "problems: 0\n");
    EXPECT_EQ(Preview(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10mm\" height=\"10mm\" "
              "viewBox=\"-200 -200 400 400\">\n"
              "<g id=\"crop-mark-frame\" fill=\"none\" stroke=\"#808080\" stroke-width=\"10\">\n</g>\n"
              "<g id=\"cut-paths\" fill=\"none\" stroke=\"#000000\" stroke-width=\"10\">\n</g>\n"
              "</svg>\n");
}

TEST_F(OutputApp, ReportsEveryLineOfTmpTxtItCannotRead)
{
    const std::string plain =
        "\x1b"
        "E\x1b%-12345X@PJL RESET\r\n"              // 1
        "@PJL DO CROPMARK 200,200,6800,8400,4;\n"  // 2
        "@PJL ENTER LANGUAGE = VXCMD\n"            // 3
        "IN;\n"                                    // 4
        "PA;\r\n"                                  // 5
        "PU1.5,2;\r\n"                             // 6
        "PD1016;\r\n"                              // 7
        "PD99999999999,-0;\r\n"                    // 8
        "PD+5,05;\r\n"                             // 9
        "PU 10,20;\r\n"                            // 10
        "hello\t\"x\"\r\n"                         // 11
        "IN;\r\n"                                  // 12
        "PU;\r\n"                                  // 13
        "!PG;\r\n"                                 // 14
        "\x1b%-12345X@PJL RESET\n"                 // 15
        "@PJL ENTER LANGUAGE = RESET\n"            // 16
        "PD1,2;\r\n"                               // 17
        "PU;";                                     // 18
    Write(plain, kPadding + CropHeader("200,200,6800,8400", ",4;") + kStart + kEnd + kCropTrailer, "PA;\r\nPU;\r\n");
    const ProgramResult result = Check();
    EXPECT_EQ(result.fExitCode, 1);
    const std::string problems = At("tmp.txt", 1) + "PJL line ends with CR LF; LF expected\n" +                    //
                                 At("tmp.txt", 2) + "crop-mark line ends in \",4;\", the form of tmp_pro.txt\n" +  //
                                 At("tmp.txt", 4) + "line ends with LF only; CR LF expected\n" +                   //
                                 At("tmp.txt", 6) + "\"1.5\" is not an integer\n" +                                //
                                 At("tmp.txt", 7) + "point line needs 2 numbers separated by \",\", found 1\n" +   //
                                 At("tmp.txt", 8) + "\"99999999999\" is out of range\n" +                          //
                                 At("tmp.txt", 8) + "\"-0\" is not an integer\n" +                                 //
                                 At("tmp.txt", 9) + "\"+5\" is not an integer\n" +                                 //
                                 At("tmp.txt", 9) + "\"05\" is not an integer\n" +                                 //
                                 At("tmp.txt", 10) + "\" 10\" is not an integer\n" +                               //
                                 At("tmp.txt", 11) + "cannot read line \"hello\\x09\\\"x\\\"\"\n" +                //
                                 At("tmp.txt", 12) + "unexpected \"IN;\"; expected point line or \"PU;\"\n" +      //
                                 At("tmp.txt", 17) + "unexpected point line; expected the end of the file\n" +     //
                                 At("tmp.txt", 18) + "last line has no line end\n" +                               //
                                 At("tmp.txt", 18) + "unexpected \"PU;\"; expected the end of the file\n";
    EXPECT_EQ(result.fErr, problems);
    EXPECT_EQ(Log(), "command folder: " + Folder() +
                         "\n"
                         "tmp.txt: 0 paths (0 closed), 0 points, crop header\n"
                         "tmp_pro.txt: 0 paths (0 closed), 0 points, crop header\n"
                         "tmp_km.txt: 0 paths (0 closed), 0 points\n"
                         "crop marks: origin 200,200, W 6800, L 8400\n"
                         "problems: 15\n" +
                         problems);
}

TEST_F(OutputApp, ChecksTheLayoutOfEachFile)
{
    // tmp_pro.txt: 63 semicolons, the plain crop-mark line, a "PD" first, no crop trailer. tmp_km.txt: PJL and
    // "IN;" lines, which it never has, and no "PU;" at its end.
    Write(CropHeader("200,200,6800,8400", ";") + kStart + kEnd + kCropTrailer,
          std::string(63, ';') + CropHeader("200,200,6800,8400", ";") + kStart + Points({"PD5,5"}) + kEnd,
          "\x1b%-12345X@PJL RESET\nIN;\r\nPA;\r\n");
    ProgramResult result = Check();
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr, At("tmp_pro.txt", 1) + "expected 64 semicolons before the first command, found 63\n" +     //
                               At("tmp_pro.txt", 2) + "crop-mark line must end in \",4;\" in tmp_pro.txt\n" +         //
                               At("tmp_pro.txt", 6) + "\"PD\" line before the first \"PU\" line\n" +                  //
                               At("tmp_pro.txt", 9) + "file ends early; expected \"\\x1B%-12345X@PJL RESET\"\n" +     //
                               At("tmp_pro.txt", 0) + "1 paths with 1 points; tmp.txt has 0 paths with 0 points\n" +  //
                               At("tmp_km.txt", 1) + "\"\\x1B%-12345X@PJL RESET\" does not belong in tmp_km.txt\n" +  //
                               At("tmp_km.txt", 2) + "\"IN;\" does not belong in tmp_km.txt\n" +                      //
                               At("tmp_km.txt", 4) + "file ends early; expected point line or \"PU;\"\n");

    // A crop trailer without a header; a header cut short; lines that belong earlier are reported and skipped.
    Write(kStart + kEnd + kCropTrailer, kPadding + "\x1b" + "E\x1b%-12345X@PJL RESET\n" + kStart + kEnd + kCropTrailer,
          "PA;\r\nPA;\r\nPU;\r\n");
    result = Check();
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr,
              At("tmp.txt", 5) + "crop trailer line \"\\x1B%-12345X@PJL RESET\" without a crop header\n" +  //
                  At("tmp.txt", 6) + "crop trailer line \"@PJL ENTER LANGUAGE = RESET\" without a crop header\n" +
                  At("tmp_pro.txt", 2) + "unexpected \"IN;\"; expected crop-mark line\n" +  //
                  At("tmp_pro.txt", 0) + "crop header, but tmp.txt has none\n" +            //
                  At("tmp_km.txt", 2) + "unexpected \"PA;\"; expected point line or \"PU;\"\n");

    // Empty files.
    Write("", "", "");
    result = Check();
    EXPECT_EQ(result.fErr, At("tmp.txt", 1) +
                               "file ends early; expected \"\\x1BE\\x1B%-12345X@PJL RESET\" or \"IN;\"\n" +
                               At("tmp_pro.txt", 1) +
                               "file ends early; expected \"\\x1BE\\x1B%-12345X@PJL RESET\" or "
                               "\"IN;\"\n" +
                               At("tmp_km.txt", 1) + "file ends early; expected \"PA;\"\n");
}

TEST_F(OutputApp, ReportsTheFirstDisagreementOfEachFileWithTmpTxt)
{
    const std::string square = Points({"PU1016,1016", "PD2032,1016", "PD2032,2032"});
    // tmp_pro.txt: other crop-mark values and a moved point; tmp_km.txt: a second number that is not tmp.txt's
    // first. Only the first differing point of each file is reported.
    Write(CropHeader("200,200,6800,8400", ";") + kStart + square + kEnd + kCropTrailer,
          kPadding + CropHeader("200,200,6800,8401", ",4;") + kStart +
              Points({"PU1016,1016", "PD2032,1017", "PD2032,2033"}) + kEnd + kCropTrailer,
          "PA;\r\n" + Points({"PU10160,1016", "PD10160,2031", "PD9144,2031"}) + "PU;\r\n");
    ProgramResult result = Check();
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr,
              At("tmp_pro.txt", 2) + "crop-mark values 200,200,6800,8401 differ from tmp.txt:2's 200,200,6800,8400\n" +
                  At("tmp_pro.txt", 7) + "\"PD2032,1017\" differs from tmp.txt:7 \"PD2032,1016\"\n" +
                  At("tmp_km.txt", 3) +
                  "\"PD10160,2031\" is not the quarter turn of tmp.txt:7 \"PD2032,1016\": its second number must be "
                  "2032\n");

    // tmp_pro.txt: no crop marks and a path less; tmp_km.txt: a path less and a first number that needs another
    // page height than the point before it.
    Write(CropHeader("200,200,6800,8400", ";") + kStart + square + Points({"PU0,0"}) + kEnd + kCropTrailer,
          kPadding + kStart + square + kEnd,
          "PA;\r\n" + Points({"PU10160,1016", "PD10162,2032", "PD9144,2032", "PD11176,0"}) + "PU;\r\n");
    result = Check();
    EXPECT_EQ(result.fExitCode, 1);
    const std::string problems =
        At("tmp_pro.txt", 0) + "no crop header, but tmp.txt has one\n" + At("tmp_pro.txt", 0) +
        "1 paths with 3 points; tmp.txt has 2 paths with 4 points\n" + At("tmp_km.txt", 0) +
        "1 paths with 4 points; tmp.txt has 2 paths with 4 points\n" + At("tmp_km.txt", 3) +
        "\"PD10162,2032\" is not the quarter turn of tmp.txt:7 \"PD2032,1016\": 10162 + 1016 = 11178, but the points "
        "before it give a page height of 11175 to 11177\n";
    EXPECT_EQ(result.fErr, problems);
    EXPECT_NE(Log().find("crop marks: origin 200,200, W 6800, L 8400\nproblems: 4\n" + problems), std::string::npos)
        << Log();

    Write(kStart + square + kEnd, kPadding + kStart + square + kEnd,
          "PA;\r\n" + Points({"PU10160,1016", "PU10160,2032", "PD9144,2032"}) + "PU;\r\n");
    EXPECT_EQ(Check().fErr, At("tmp_km.txt", 0) + "2 paths with 3 points; tmp.txt has 1 paths with 3 points\n" +
                                At("tmp_km.txt", 3) +
                                "\"PU10160,2032\" is not the quarter turn of tmp.txt:4 \"PD2032,1016\": the commands "
                                "differ\n");
}

TEST_F(OutputApp, ReportsMissingFilesAndComparesWhatItHas)
{
    WriteGood("", kPoints, kTurnedPoints);
    fs::remove(fFolder.Path() / "tmp.txt");
    fs::remove(fFolder.Path() / "tmp_km.txt");
    const ProgramResult result = Check();
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr, At("tmp.txt", 0) + "cannot open: No such file or directory\n" + At("tmp_km.txt", 0) +
                               "cannot open: No such file or directory\n");
    EXPECT_EQ(Log(), "command folder: " + Folder() +
                         "\n"
                         "tmp.txt: not read\n"
                         "tmp_pro.txt: 2 paths (1 closed), 8 points\n"
                         "tmp_km.txt: not read\n"
                         "crop marks: none\n"
                         "problems: 2\n" +
                         result.fErr);
    // The preview falls back to tmp_pro.txt's paths.
    EXPECT_NE(Preview().find("<path d=\"M -13 27 L 0 -141 L 508 0\"/>\n"), std::string::npos) << Preview();
}

TEST_F(OutputApp, ReadsTheFolderThatHoldsItsBundleByDefaultAndChecksItsUsage)
{
    const fs::path installed = fFolder.Path() / "TalvexOutputX.app" / "Contents" / "MacOS" / "TalvexOutputX";
    fs::create_directories(installed.parent_path());
    fs::copy_file(kStandin, installed);
    WriteGood("200,200,6800,8400", kPoints, kTurnedPoints);
    ProgramResult result = RunProgram({installed.string()}, fFolder.Path());
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fErr, "");
    EXPECT_EQ(Log().rfind("command folder: " + Folder() + "\ntmp.txt: 2 paths (1 closed), 8 points, crop header\n", 0),
              0u)
        << Log();

    // Results elsewhere; a folder that cannot take them gives exit code 1 and says why.
    const fs::path results = fFolder.Path() / "results";
    fs::create_directory(results);
    EXPECT_EQ(RunProgram({kStandin, "-o", results.string(), "-d", Folder()}, fFolder.Path()).fExitCode, 0);
    EXPECT_EQ(FileText(results / "last-output.log"), Log());
    const std::string missing = (fFolder.Path() / "missing").string();
    result = RunProgram({kStandin, "-d", Folder(), "-o", missing}, fFolder.Path());
    EXPECT_EQ(result.fExitCode, 1);
    EXPECT_EQ(result.fErr, "talvex-output-standin: cannot write " + missing +
                               "/last-output.log: No such file or directory\n"
                               "talvex-output-standin: cannot write " +
                               missing + "/last-output.svg: No such file or directory\n");

    result = RunProgram({kStandin, "--help"}, fFolder.Path());
    EXPECT_EQ(result.fExitCode, 0);
    EXPECT_EQ(result.fOut.rfind("usage: talvex-output-standin [-d DIR] [-o DIR]\n", 0), 0u) << result.fOut;

    for (const auto& [arguments, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"-d"}, "-d needs a value"},
             {{"-o", ""}, "-o needs a value"},
             {{"-d", "a", "-d", "b"}, "-d given twice"},
             {{"-i", "tmp.txt"}, "unknown argument \"-i\""}}) {
        std::vector<std::string> command = {kStandin};
        command.insert(command.end(), arguments.begin(), arguments.end());
        result = RunProgram(command, fFolder.Path());
        EXPECT_EQ(result.fExitCode, 2) << message;
        EXPECT_EQ(result.fErr.rfind("talvex-output-standin: " + message + "\nusage: talvex-output-standin", 0), 0u)
            << result.fErr;
    }
}

}  // namespace
