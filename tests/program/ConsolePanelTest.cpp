// The console panel run in-process: the artwork opened, markplug loaded from the build tree, lines read from a
// string, the JSON lines and messages compared exactly, the saved document read back.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "Commands.h"
#include "host/Svg.h"
#include "wirelet/PanelBus.h"

namespace {

namespace fs = std::filesystem;

const char kArtwork[] =
    "<svg xmlns='http://www.w3.org/2000/svg' xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape'"
    " xmlns:pd='urn:pendrake:document' width='595.2756pt' height='841.8898pt' viewBox='0 0 595.2756 841.8898'"
    " pd:origin='12.5 -30.25'>"
    "<g inkscape:groupmode='layer' inkscape:label='Artwork'>"
    "<rect id='box' x='100' y='200' width='300' height='200' fill='#ff0000'/>"
    "<g id='pair'><circle id='star' cx='250' cy='300' r='40'/><circle id='moon' cx='150' cy='300' r='20'/></g>"
    "</g>"
    "<g inkscape:groupmode='layer' inkscape:label='Marks'/>"
    "</svg>";

const std::string kCornerDefaults =
    "{\"type\":\"com.varrowkt.talvex.TalvexSendCropCorner\",\"scope\":1,\"sender\":\"CropCorner\","
    "\"extension\":null,\"data\":\"<payload><CropCorner><LEFT>56.6929</LEFT><TOP>666.142</TOP>"
    "<RIGHT>538.583</RIGHT><BOTTOM>70.8661</BOTTOM><X>-42.5197</X><Y>-56.6929</Y></CropCorner></payload>\"}\n";
const std::string kRedraw =
    "{\"type\":\"com.varrowkt.talvex.TalvexRedrawPreview\",\"scope\":1,\"sender\":\"MarkedObjectsUpdatePanel\","
    "\"extension\":null,\"data\":\"<payload></payload>\"}\n";
const std::string kCropCorner = "<payload><operation>11</operation></payload>\n";
const std::string kTs1FourMarks =
    "<payload><operation>10</operation><X>10</X><Y>20</Y><W>170</W><L>200</L>"
    "<MachineType>8</MachineType><CropCount>4</CropCount></payload>\n";
const std::string kMakeMarks = "<payload><operation>6</operation></payload>\n";

class ConsolePanel : public testing::Test {
protected:
    void SetUp() override
    {
        fFolder = fs::temp_directory_path() /
                  ("pendrake-panel-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(fFolder);
        fs::create_directories(fFolder);
        Write("art.svg", kArtwork);
        Write("prefs.ini", "");
        fOptions.session.appFolder = MARKPLUG_APP_DIR;
        fOptions.session.artwork = Path("art.svg");
        fOptions.session.preferences = Path("prefs.ini");
    }
    void TearDown() override { fs::remove_all(fFolder); }

    std::string Path(const std::string& name) const { return (fFolder / name).string(); }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(Path(name)) << text; }

    int Run(const std::string& script)
    {
        std::istringstream in(script);
        std::ostringstream out, err;
        const int status = pendrake::RunPanel(fOptions, in, out, err);
        fOut = out.str();
        fErr = err.str();
        return status;
    }

    static std::vector<const host::Art*> Marks(const host::Document& document)
    {
        std::vector<const host::Art*> marks;
        document.Walk([&](host::Art& art) {
            if (art.FindTag("TalvexCropMark")) marks.push_back(&art);
        });
        return marks;
    }

    fs::path fFolder;
    pendrake::PanelOptions fOptions;
    std::string fOut, fErr;
};

TEST_F(ConsolePanel, PrintsEachDispatchedEventAsOneJsonLine)
{
    EXPECT_EQ(Run(kCropCorner + "!select star\n" + "!select none\n"), 0) << fErr;
    EXPECT_EQ(fOut, kCornerDefaults + kRedraw + kRedraw);
    EXPECT_EQ(fErr, "");
}

TEST_F(ConsolePanel, PreferenceFileGivesTheStartingSettings)
{
    Write("prefs.ini",
          "# crop settings of the cutting plug-in\n[TalvexPluginDialog]\nkQRW_cropLeftMargin = 1000\n"
          "kQRW_cropVertDistance = 20000\nkQRW_cropMachineType = 8\nkQRW_cropCount = 4\n");
    EXPECT_EQ(Run(kCropCorner), 0) << fErr;
    EXPECT_EQ(fOut,
              "{\"type\":\"com.varrowkt.talvex.TalvexSendCropCorner\",\"scope\":1,\"sender\":\"CropCorner\","
              "\"extension\":null,\"data\":\"<payload><CropCorner><LEFT>56.6929</LEFT><TOP>651.969</TOP>"
              "<RIGHT>538.583</RIGHT><BOTTOM>85.0394</BOTTOM><X>-28.3465</X><Y>-56.6929</Y></CropCorner>"
              "</payload>\"}\n");
}

TEST_F(ConsolePanel, SavedMarksReopenLockedAndTaggedInTheCurrentLayer)
{
    fOptions.saveAs = Path("out.svg");
    EXPECT_EQ(Run("!layer Marks\n" + kTs1FourMarks + kMakeMarks + kMakeMarks), 0) << fErr;
    EXPECT_EQ(fOut, "");

    const auto reopened = host::ReadSvgFile(Path("out.svg"));
    const auto marks = Marks(*reopened);
    ASSERT_EQ(marks.size(), 9u);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i]->layer->name, "Marks");
        EXPECT_EQ(marks[i]->attributes & host::kAttrLocked, host::kAttrLocked);
        EXPECT_EQ(marks[i]->kind, host::ArtKind::Path);
    }
    // Built below all art of the layer, so the last built (index 9) lies lowest.
    EXPECT_EQ(marks.front()->FindTag("TalvexCropMark")->value, "0009");
    EXPECT_EQ(marks.back()->FindTag("TalvexCropMark")->value, "0001");
    // Mark 1 is the bottom-left circle; its first anchor is the rightmost point, in artwork coordinates.
    const double r = 500 * 72.0 / 25.4 / 100.0;
    const double left = (500 + 1000) * 72.0 / 25.4 / 100.0 + r;
    const double bottom = (500 + 2000) * 72.0 / 25.4 / 100.0 + r;
    ASSERT_EQ(marks.back()->segments.size(), 4u);
    EXPECT_DOUBLE_EQ(marks.back()->segments[0].p.h, left + r - 12.5);
    EXPECT_DOUBLE_EQ(marks.back()->segments[0].p.v, bottom + 30.25);
    EXPECT_EQ(reopened->Origin().h, 12.5);
    EXPECT_EQ(reopened->Origin().v, -30.25);
    // The artwork is still there.
    EXPECT_NE(reopened->FindById("box"), nullptr);
    EXPECT_NE(reopened->FindById("moon"), nullptr);
}

TEST_F(ConsolePanel, TheBundledSampleSessionLeavesNineMarksThatSurviveAReopen)
{
    std::ifstream script(std::string(MARKPLUG_SOURCE_DIR) + "/examples/crop-marks.panel");
    std::stringstream lines;
    lines << script.rdbuf();
    fOptions.session.artwork = std::string(MARKPLUG_SOURCE_DIR) + "/examples/sign.svg";
    fOptions.saveAs = Path("sign-marked.svg");
    EXPECT_EQ(Run(lines.str()), 0) << fErr;

    const auto original = host::ReadSvgFile(fOptions.session.artwork);
    const auto reopened = host::ReadSvgFile(Path("sign-marked.svg"));
    const auto marks = Marks(*reopened);
    ASSERT_EQ(marks.size(), 9u);
    for (const host::Art* mark : marks) {
        EXPECT_EQ(mark->attributes & host::kAttrLocked, host::kAttrLocked);
        EXPECT_EQ(mark->FindTag("TalvexCropMark")->type, "string");
    }
    EXPECT_EQ(reopened->ArtCount(), original->ArtCount() + 9);
    // Saving again what was reopened gives the same file.
    EXPECT_EQ(host::WriteSvgText(*reopened),
              host::WriteSvgText(*host::ReadSvgText(host::WriteSvgText(*reopened), "copy")));
}

TEST_F(ConsolePanel, DeletingMarksLeavesTheUsersGroup)
{
    fOptions.saveAs = Path("out.svg");
    EXPECT_EQ(Run(kMakeMarks + "<payload><operation>7</operation></payload>\n"), 0) << fErr;
    const auto reopened = host::ReadSvgFile(Path("out.svg"));
    EXPECT_TRUE(Marks(*reopened).empty());
    ASSERT_NE(reopened->FindById("pair"), nullptr);
    EXPECT_EQ(reopened->FindById("pair")->children.size(), 2u);
}

TEST_F(ConsolePanel, ABadLineStopsTheSessionAndNothingIsSaved)
{
    fOptions.saveAs = Path("out.svg");
    EXPECT_EQ(Run(kMakeMarks + "!bogus\n" + kCropCorner), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:2: not a payload or a command: !bogus\n");
    EXPECT_EQ(fOut, "");
    EXPECT_FALSE(fs::exists(Path("out.svg")));

    EXPECT_EQ(Run("!select star,nothing\n"), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:1: no object with the id \"nothing\"\n");
    EXPECT_EQ(Run("# a comment\n\n!layer Cut\n"), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:3: no layer named \"Cut\"\n");
    EXPECT_EQ(Run("!select\n"), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:1: !select needs ids, \"all\" or \"none\"\n");
}

TEST_F(ConsolePanel, BadFilesAreRefusedBeforeAnythingRuns)
{
    Write("broken.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><path d='M 0 0 L x'/></svg>");
    fOptions.session.artwork = Path("broken.svg");
    EXPECT_THROW(Run(kCropCorner), host::SvgError);

    fOptions.session.artwork = Path("art.svg");
    Write("prefs.ini", "[TalvexPluginDialog]\nthis is not a setting\n");
    EXPECT_THROW(Run(kCropCorner), std::runtime_error);
}

TEST_F(ConsolePanel, ActsAsAnyExtensionTowardsTheEventAdapter)
{
    std::ifstream script(std::string(MARKPLUG_SOURCE_DIR) + "/examples/host-events.panel");
    std::stringstream lines;
    lines << script.rdbuf();
    EXPECT_EQ(Run(lines.str()), 0) << fErr;
    const std::string adapter = "{\"type\":\"com.pendrake.eventbridge.";
    const std::string fromHost = "\"scope\":0,\"sender\":\"PNDK\",\"extension\":null,\"data\":";
    EXPECT_EQ(fOut, adapter + "PingResponseEvent\"," + fromHost + "\"\"}\n" + adapter + "ListEventsResponseEvent\"," +
                        fromHost +
                        "\"<![CDATA[<events><event id=\\\"PD Art Selection Changed Notifier\\\" />"
                        "<event id=\\\"Sample Notification\\\" /></events>]]>\"}\n" +
                        kRedraw + adapter + "CppEvent\"," + fromHost +
                        "\"<![CDATA[<event id=\\\"PD Art Selection Changed Notifier\\\" />]]>\"}\n" + adapter +
                        "CppEvent\"," + fromHost + "\"<![CDATA[<event id=\\\"Sample Notification\\\" />]]>\"}\n" +
                        adapter + "ListEventsResponseEvent\"," + fromHost +
                        "\"<![CDATA[<events><event id=\\\"PD Art Selection Changed Notifier\\\" /></events>]]>\"}\n");
    EXPECT_EQ(fErr, "");
}

TEST_F(ConsolePanel, AsAndNotifyNeedTheirArguments)
{
    EXPECT_EQ(Run("!as com.example.a\n"), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:1: !as needs an extension id and an event type\n");
    EXPECT_EQ(Run("!as\n"), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:1: !as needs an extension id and an event type\n");
    EXPECT_EQ(Run("!notify\n"), 1);
    EXPECT_EQ(fErr, "pendrake: stdin:1: !notify needs a notification type\n");
    // A notification nobody asked for reaches nobody; the data of !as may be absent or hold blanks.
    EXPECT_EQ(Run("!notify Nobody Listens\n!as x com.example.Anything\n!as x com.example.Anything a  b\n"), 0) << fErr;
    EXPECT_EQ(fOut, "");
}

}  // namespace
