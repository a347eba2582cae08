// `pendrake run` in-process: markplug loaded from the build tree, the cutting application registered as the argv
// recorder in the sandbox's registry, the printed steps, the cut data file and the saved document compared
// exactly.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "Commands.h"
#include "CutOutputSandbox.h"
#include "Hp2xxExtent.h"
#include "ProgramRun.h"
#include "host/Svg.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CrLfLines;
using testing_support::CutOutputSandbox;
using testing_support::FileBytes;
using Lines = std::vector<std::string>;

// A page of 600 × 850 points: a closed triangle, an open line, a lone anchor, a fold line and a rectangle.
const char kArtwork[] =
    "<svg xmlns='http://www.w3.org/2000/svg' xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape'"
    " width='600pt' height='850pt' viewBox='0 0 600 850'>"
    "<g inkscape:groupmode='layer' inkscape:label='Artwork'>"
    "<path id='tri' d='M 100 100 L 300 100 L 200 250 Z'/>"
    "<path id='slit' d='M 50 700 L 150 650' fill='none' stroke='black'/>"
    "<path id='dot' d='M 400 400'/>"
    "<path id='fold' d='M 0 425 L 600 425' fill='none' stroke='black'/>"
    "<g id='extra'><rect id='plain' x='450' y='600' width='100' height='50'/></g>"
    "</g></svg>";

const Lines kHeader = {"%!PS-Adobe-3.0"};
const Lines kSetup = {"%%EndComments", "%%BeginProlog", "%%EndProlog", "%%BeginSetup", "%%EndSetup", "%PD5_BeginLayer"};
const Lines kTrailer = {"%PD5_EndLayer--", "%%PageTrailer", "%%Trailer", "%%EOF"};

// TS-1 with four marks places every point 15 mm left of and 25 mm below its page position.
const Lines kTriangle = {"u",
                         "57.480315 679.133858 m",
                         "57.480315 679.133858 257.480315 679.133858 257.480315 679.133858 c",
                         "257.480315 679.133858 157.480315 529.133858 157.480315 529.133858 c",
                         "157.480315 529.133858 57.480315 679.133858 57.480315 679.133858 c",
                         "s",
                         "U"};
const Lines kSlit = {"u", "7.480315 79.133858 m", "7.480315 79.133858 107.480315 129.133858 107.480315 129.133858 c",
                     "S", "U"};
const Lines kDot = {"u", "357.480315 379.133858 m", "S", "U"};
const Lines kFold = {
    "u", "-42.519685 354.133858 m",         "-42.519685 354.133858 557.480315 354.133858 557.480315 354.133858 c",
    "S", "/TalvexPerforationMark (002) XT", "U"};
const std::string kTs1FourComment = "%%VarrowCropMark: 14.173228 14.173228 481.889764 566.929134 28.346457 56.692913 4";

std::string CutFileText(const std::string& comment, const std::vector<Lines>& paths)
{
    Lines lines = kHeader;
    if (!comment.empty()) lines.push_back(comment);
    lines.insert(lines.end(), kSetup.begin(), kSetup.end());
    for (const Lines& path : paths) lines.insert(lines.end(), path.begin(), path.end());
    lines.insert(lines.end(), kTrailer.begin(), kTrailer.end());
    return CrLfLines(lines);
}

std::string TagOf(const host::Document& document, const std::string& id, const char* name)
{
    const host::Art* art = document.FindById(id);
    if (!art) return "(no object)";
    const host::Tag* tag = art->FindTag(name);
    return tag ? tag->type + " " + tag->value : "(none)";
}

class RunCommand : public testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(Path("art.svg")) << kArtwork;
        std::ofstream(Path("prefs.ini")) << "";
        fOptions.session.appFolder = MARKPLUG_APP_DIR;
        fOptions.session.artwork = Path("art.svg");
        fOptions.session.preferences = Path("prefs.ini");
        fOptions.job.cutIds = {"tri", "slit", "dot"};
        fOptions.job.perforateIds = {"fold"};
        fOptions.saveAs = Path("out.svg");
    }

    std::string Path(const std::string& name) const { return fSandbox.Folder() + "/" + name; }
    void Register()
    {
        fApplication = fSandbox.RecorderLink("Talvex/talvex.exe");
        fSandbox.SetRegistryPath(true, fApplication);
    }

    // Runs the job; fCutFile is the cut data file it names, and fOut its output with that name replaced by
    // "CUTFILE".
    int Run()
    {
        std::ostringstream out, err;
        const int status = pendrake::RunJob(fOptions, out, err);
        fOut = out.str();
        fErr = err.str();
        const std::string prefix = "Cut data file: ";
        fCutFile.clear();
        if (fOut.rfind(prefix, 0) == 0) {
            fCutFile = fOut.substr(prefix.size(), fOut.find('\n') - prefix.size());
            fOut.replace(prefix.size(), fCutFile.size(), "CUTFILE");
        }
        return status;
    }

    std::string Steps(const std::string& model, const std::string& cutLines, const std::string& preview,
                      const std::string& last) const
    {
        return "Cut data file: CUTFILE\n" + model + "Crop marks: 9 objects\n" + cutLines + preview + last +
               "Saved: " + Path("out.svg") + "\n";
    }

    static std::size_t MarkCount(const host::Document& document)
    {
        std::size_t count = 0;
        document.Walk([&](host::Art& art) {
            if (art.FindTag("TalvexCropMark")) {
                ++count;
                EXPECT_EQ(art.attributes & host::kAttrLocked, host::kAttrLocked);
                EXPECT_EQ(art.kind, host::ArtKind::Path);
            }
        });
        return count;
    }

    CutOutputSandbox fSandbox;
    pendrake::JobOptions fOptions;
    std::string fOut, fErr, fCutFile, fApplication;
};

const std::string kTs1Four =
    "Cutter model TS-1 (id 8): X 10 mm, Y 20 mm, W 170 mm, L 200 mm, 4 marks\n"
    "Crop frame (points): left 56.6929, top 651.969, right 538.583, bottom 85.0394\n";
const std::string kCutLines = "Cut lines: 4 objects\nPerforation lines: 1 object\n";
const std::string kStarted = "Output: the cut data file was written and the cutting application started\n";

TEST_F(RunCommand, TheMainJobWritesTheCutLinesStartsTheApplicationAndSavesTheMarkedDocument)
{
    Register();
    EXPECT_EQ(Run(), 0) << fErr;
    EXPECT_EQ(fErr, "");
    EXPECT_EQ(fOut, Steps(kTs1Four, kCutLines, "Preview (target 3): 4 paths, 4 of them cut lines, crop marks present\n",
                          kStarted));
    EXPECT_EQ(FileBytes(fCutFile), CutFileText(kTs1FourComment, {kTriangle, kSlit, kDot, kFold}));
    EXPECT_EQ(fSandbox.WaitForRecords(1), (std::vector<Lines>{{fApplication, "-i", fCutFile}}));

    const auto saved = host::ReadSvgFile(Path("out.svg"));
    EXPECT_EQ(MarkCount(*saved), 9u);
    // The tag value is the size of the selection it was made for.
    for (const char* id : {"tri", "slit", "dot", "fold"})
        EXPECT_EQ(TagOf(*saved, id, "TalvexCutMark"), "string 0004") << id;
    for (const char* id : {"tri", "slit", "dot"}) EXPECT_EQ(TagOf(*saved, id, "TalvexPerforationMark"), "(none)") << id;
    EXPECT_EQ(TagOf(*saved, "fold", "TalvexPerforationMark"), "string 0001");
    EXPECT_EQ(TagOf(*saved, "plain", "TalvexCutMark"), "(none)");
    EXPECT_EQ(saved->ArtCount(), host::ReadSvgFile(Path("art.svg"))->ArtCount() + 9);
}

TEST_F(RunCommand, ASecondRunOnTheSavedDocumentKeepsTheMarksAndTheTags)
{
    Register();
    ASSERT_EQ(Run(), 0) << fErr;
    const std::string first = FileBytes(fCutFile);
    const std::string saved = FileBytes(Path("out.svg"));

    fs::rename(Path("out.svg"), Path("first.svg"));
    fOptions.session.artwork = Path("first.svg");
    EXPECT_EQ(Run(), 0) << fErr;
    EXPECT_EQ(FileBytes(fCutFile), first);
    // The marks were replaced by the same marks and the tags left alone: the same document.
    EXPECT_EQ(FileBytes(Path("out.svg")), saved);
}

TEST_F(RunCommand, ModelCropCountAndTargetChooseWhatIsWritten)
{
    Register();
    // TS-1 with three marks: the perforation line only, placed 10 mm left of and 20 mm below its page position.
    fOptions.job.cropCount = 3;
    fOptions.job.target = 4;
    EXPECT_EQ(Run(), 0) << fErr;
    EXPECT_EQ(fOut,
              "Cut data file: CUTFILE\n"
              "Cutter model TS-1 (id 8): X 10 mm, Y 20 mm, W 170 mm, L 200 mm, 3 marks\n"
              "Crop frame (points): left 42.5197, top 637.795, right 524.409, bottom 70.8661\n"
              "Crop marks: 3 objects\n" +
                  kCutLines + "Preview (target 4): 1 path, 1 of them cut lines, crop marks present\n" + kStarted +
                  "Saved: " + Path("out.svg") + "\n");
    EXPECT_EQ(FileBytes(fCutFile),
              CutFileText("%%VarrowCropMark: 14.173228 14.173228 481.889764 566.929134 28.346457 56.692913 3",
                          {{"u", "-28.346457 368.307087 m",
                            "-28.346457 368.307087 571.653543 368.307087 571.653543 368.307087 c", "S",
                            "/TalvexPerforationMark (002) XT", "U"}}));
    EXPECT_EQ(MarkCount(*host::ReadSvgFile(Path("out.svg"))), 3u);

    // KM-1 hangs its marks from the page top; target 0 writes every path that is filled or stroked, whether
    // marked or not, and a group's paths are marked through the group.
    fOptions.job.model = "KM-1";
    fOptions.job.target = 0;
    fOptions.job.cutIds = {"extra"};
    fOptions.job.perforateIds = {};
    EXPECT_EQ(Run(), 0) << fErr;
    EXPECT_EQ(fOut,
              "Cut data file: CUTFILE\n"
              "Cutter model KM-1 (id 0): X 25 mm, Y 6 mm, W 150 mm, L 250 mm, 3 marks\n"
              "Crop frame (points): left 85.0394, top 818.819, right 510.236, bottom 110.157\n"
              "Crop marks: 3 objects\nCut lines: 1 object\n"
              "Preview (target 0): 5 paths, 1 of them cut lines, crop marks present\n" +
                  kStarted + "Saved: " + Path("out.svg") + "\n");
    EXPECT_EQ(
        FileBytes(fCutFile),
        CutFileText(
            "%%VarrowCropMark: 14.173228 14.173228 425.196850 708.661417 70.866142 17.007874 3",
            {{"u", "29.133858 654.015748 m", "29.133858 654.015748 229.133858 654.015748 229.133858 654.015748 c",
              "229.133858 654.015748 129.133858 504.015748 129.133858 504.015748 c",
              "129.133858 504.015748 29.133858 654.015748 29.133858 654.015748 c", "s", "U"},
             {"u", "-20.866142 54.015748 m", "-20.866142 54.015748 79.133858 104.015748 79.133858 104.015748 c", "S",
              "U"},
             {"u", "329.133858 354.015748 m", "S", "U"},
             {"u", "-70.866142 329.015748 m", "-70.866142 329.015748 529.133858 329.015748 529.133858 329.015748 c",
              "S", "U"},
             {"u", "379.133858 154.015748 m", "379.133858 154.015748 479.133858 154.015748 479.133858 154.015748 c",
              "479.133858 154.015748 479.133858 104.015748 479.133858 104.015748 c",
              "479.133858 104.015748 379.133858 104.015748 379.133858 104.015748 c",
              "379.133858 104.015748 379.133858 154.015748 379.133858 154.015748 c", "s", "U"}}));
    const auto saved = host::ReadSvgFile(Path("out.svg"));
    EXPECT_EQ(TagOf(*saved, "plain", "TalvexCutMark"), "string 0002");  // the group and its rectangle
    EXPECT_EQ(TagOf(*saved, "extra", "TalvexCutMark"), "(none)");
    EXPECT_EQ(TagOf(*saved, "tri", "TalvexCutMark"), "(none)");
}

TEST_F(RunCommand, WithoutTheApplicationTheFileIsWrittenAndTheRunFails)
{
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr,
              "pendrake: the cut data file was written, but the cutting application could not be started: it is not "
              "registered, or its registered path names no program that can run\n");
    EXPECT_EQ(fOut,
              Steps(kTs1Four, kCutLines, "Preview (target 3): 4 paths, 4 of them cut lines, crop marks present\n", ""));
    EXPECT_EQ(FileBytes(fCutFile), CutFileText(kTs1FourComment, {kTriangle, kSlit, kDot, kFold}));
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
    // The document is saved all the same, marks and tags included.
    const auto saved = host::ReadSvgFile(Path("out.svg"));
    EXPECT_EQ(MarkCount(*saved), 9u);
    EXPECT_EQ(TagOf(*saved, "fold", "TalvexPerforationMark"), "string 0001");
}

TEST_F(RunCommand, AnApplicationTheSystemCannotStartFailsTheJob)
{
    fSandbox.SetRegistryPath(true, fSandbox.Folder());  // a folder: nothing to start
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr,
              "pendrake: the cut data file was written, but the cutting application could not be started: it is not "
              "registered, or its registered path names no program that can run\n");
    EXPECT_EQ(fOut.find(kStarted), std::string::npos);
}

TEST_F(RunCommand, ACropCountTheModelDoesNotOfferStopsTheJobBeforeAnyMark)
{
    Register();
    fOptions.job.model = "KM-1";
    fOptions.job.cropCount = 4;  // KM-1 hangs three marks from the page top
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr, "pendrake: the cutter model KM-1 takes 3 crop marks, not 4\n");
    EXPECT_EQ(fOut, "Cut data file: CUTFILE\nSaved: " + Path("out.svg") + "\n");
    EXPECT_EQ(MarkCount(*host::ReadSvgFile(Path("out.svg"))), 0u);
    fOptions.job.model = "TR-1";
    fOptions.job.cropCount = 3;
    EXPECT_EQ(Run(), 0) << fErr;
}

TEST_F(RunCommand, AnUnknownModelOrIdStopsTheJobBeforeItsStep)
{
    Register();
    fOptions.job.model = "TS-9";
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr, "pendrake: the plug-in knows no cutter model \"TS-9\"\n");
    EXPECT_EQ(fOut, "Cut data file: CUTFILE\nSaved: " + Path("out.svg") + "\n");
    EXPECT_EQ(MarkCount(*host::ReadSvgFile(Path("out.svg"))), 0u);

    fOptions.job.model = "TS-1";
    fOptions.job.cutIds = {"tri", "nothing"};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr, "pendrake: no object with the id \"nothing\"\n");
    EXPECT_EQ(fOut, "Cut data file: CUTFILE\n" + kTs1Four + "Crop marks: 9 objects\nSaved: " + Path("out.svg") + "\n");
    const auto saved = host::ReadSvgFile(Path("out.svg"));
    EXPECT_EQ(MarkCount(*saved), 9u);
    EXPECT_EQ(TagOf(*saved, "tri", "TalvexCutMark"), "(none)");
    EXPECT_EQ(FileBytes(fCutFile), "");  // no output run
    EXPECT_EQ(fSandbox.RecordCount(), 0u);
}

TEST_F(RunCommand, TheMacEditionWritesTheCommandFilesAndOpensTheOutputApplication)
{
    const std::string folder = fSandbox.Folder() + "/Applications/Talvex/";
    fSandbox.EnterMacHostFolder();
    fSandbox.InstallOutputApplication();
    fOptions.session.edition = "macos";
    fOptions.job.perforateIds = {};
    fOptions.job.verbose = true;  // the ids and the preview's paths listed too
    EXPECT_EQ(Run(), 0) << fErr;
    EXPECT_EQ(fErr, "");
    EXPECT_EQ(
        fOut,
        "Cutter model TR-2 (id 4): X 10 mm, Y 25 mm, W 170 mm, L 215 mm\n"
        "Crop frame (points): left 56.6929, top 708.661, right 538.583, bottom 99.2126\n"
        "Crop marks: 9 objects\nCut lines: 3 objects: tri,slit,dot\n"
        "Preview (target 3): 3 paths, 3 of them cut lines, crop marks present: -10,-11,-12 (negative: cut lines)\n"
        "Output: the command files were written to " +
            folder + " and the output application opened\nSaved: " + Path("out.svg") + "\n");
    EXPECT_EQ(fCutFile, "");  // that feature set makes no cut data file
    EXPECT_EQ(fSandbox.WaitForRecords(1),
              (std::vector<Lines>{{folder + "TalvexOutputX.app/Contents/MacOS/TalvexOutputX"}}));
    EXPECT_EQ(FileBytes(folder + "tmp.txt").substr(0, 86),
              "\x1b"
              "E\x1b%-12345X@PJL RESET\n@PJL DO CROPMARK 200,200,6800,8600;\n@PJL ENTER LANGUAGE = VXCMD\n");
    // The output application's stand-in reads the three files strictly and finds them in agreement.
    const ProgramResult check = RunProgram({OUTPUT_STANDIN, "-d", folder, "-o", fSandbox.Folder()}, fSandbox.Folder());
    EXPECT_EQ(check.fErr, "");
    EXPECT_EQ(check.fExitCode, 0);

    // A job that asks for what the feature set lacks, or finds no folder to write to, fails and says why.
    fOptions.job.perforateIds = {"fold"};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr, "pendrake: the macOS feature set has no perforation lines\n");
    fOptions.job.perforateIds = {};
    std::filesystem::remove_all(folder);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fErr, "pendrake: the command files could not be written in full to " + folder +
                        " and were not sent to the cutter (the output application's folder must exist there: "
                        "../Applications/Talvex/ from the current folder)\n");
}

TEST_F(RunCommand, ABadArtworkIsRefusedBeforeAnyPluginStarts)
{
    std::ofstream(Path("art.svg")) << "<svg xmlns='http://www.w3.org/2000/svg'><use href='#a'/></svg>";
    EXPECT_THROW(Run(), host::SvgError);
    EXPECT_FALSE(fs::exists(Path("out.svg")));
}

}  // namespace

namespace {

// Plotter units of a length in points, as the command files count them.
long long Units(double points) { return static_cast<long long>(points * 1016.0 / 72.0 + 0.5); }

TEST_F(RunCommand, HpglOfTheSampleDrawsWhereTheArtworkIs)
{
    ASSERT_NE(std::string(HP2XX_PROGRAM), "HP2XX_PROGRAM-NOTFOUND")
        << "hp2xx is not installed; scripts/setup installs it";
    const std::string folder = fSandbox.Folder() + "/Applications/Talvex/";
    fSandbox.EnterMacHostFolder();
    fSandbox.InstallOutputApplication();
    fOptions.session.edition = "macos";
    fOptions.session.artwork = std::string(MARKPLUG_SOURCE_DIR) + "/examples/sign.svg";
    fOptions.job.cutIds = {"border", "badge-ring", "star", "dot-left", "dot-right", "wave"};
    fOptions.job.perforateIds = {};
    ASSERT_EQ(Run(), 0) << fErr;

    // The artwork's own extent: the border, whose straight sides lie outside everything else it holds, in page
    // coordinates, measured from the lower-left corner of the area the marks cover (frame corner less a radius).
    const std::unique_ptr<host::Document> document = host::ReadSvgFile(Path("out.svg"));
    host::Rect bounds;
    ASSERT_TRUE(document->Bounds(*document->FindById("border"), bounds));
    const host::Point origin = document->Origin();
    const double radius = 14.173228346456694;
    const double cornerX = 56.6929 - radius, cornerY = 99.2126 - radius;  // the frame the job printed
    ASSERT_NE(fOut.find("Crop frame (points): left 56.6929, top 708.661, right 538.583, bottom 99.2126\n"),
              std::string::npos);

    std::string error;
    const std::optional<PlotExtent> extent =
        Hp2xxExtent(HP2XX_PROGRAM, FileBytes(folder + "tmp.txt"), fSandbox.Folder(), error);
    ASSERT_TRUE(extent) << error;
    EXPECT_LE(std::llabs(extent->fLeft - Units(bounds.left + origin.h - cornerX)), 1);
    EXPECT_LE(std::llabs(extent->fRight - Units(bounds.right + origin.h - cornerX)), 1);
    EXPECT_LE(std::llabs(extent->fBottom - Units(bounds.bottom + origin.v - cornerY)), 1);
    EXPECT_LE(std::llabs(extent->fTop - Units(bounds.top + origin.v - cornerY)), 1);
}

}  // namespace

TEST_F(RunCommand, TimingsTellHowLongReadingTheOutputRunAndSavingTook)
{
    Register();
    fOptions.job.timings = true;
    EXPECT_EQ(Run(), 0) << fErr;
    EXPECT_TRUE(std::regex_match(
        fErr,
        std::regex(
            "Timings: reading [0-9]+\\.[0-9]{3} s, output run [0-9]+\\.[0-9]{3} s, saving [0-9]+\\.[0-9]{3} s\n")))
        << fErr;
}
