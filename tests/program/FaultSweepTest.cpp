// Every host call the plug-ins make, made to fail once in turn: the main job on the bundled sample and a panel
// session that plays every operation. Whatever fails, nothing crashes, the host records no call made out of turn,
// and the job either reports the failure or hands over exactly the cut data file and document of a run without
// faults. The counts of the outcomes are printed for the record.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "Commands.h"
#include "CutOutputSandbox.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CutOutputSandbox;
using testing_support::FileBytes;

struct Call {
    std::string operation;
    int32_t nth;  // the how-manieth call of operation this is, from 1
};

// The calls of a trace file ("operation<TAB>plug-in" lines) that a plug-in made, each with its number.
std::vector<Call> PluginCalls(const std::string& traceFile)
{
    std::ifstream trace(traceFile);
    std::map<std::string, int32_t> seen;
    std::vector<Call> calls;
    std::string line;
    while (std::getline(trace, line)) {
        const std::size_t tab = line.find('\t');
        const std::string operation = line.substr(0, tab);
        const int32_t nth = ++seen[operation];
        if (tab != std::string::npos && tab + 1 < line.size()) calls.push_back({operation, nth});
    }
    return calls;
}

// The calls to make fail: every one when MARKPLUG_FULL_SWEEP is set (scripts/fault-sweep), otherwise the first
// 10 of each operation and every 50th after them, so that a run that formats thousands of numbers stays short
// while every kind of call, early and late, still fails.
std::vector<Call> Sampled(std::vector<Call> calls)
{
    const char* full = std::getenv("MARKPLUG_FULL_SWEEP");
    if (full && *full && std::string(full) != "0") return calls;
    std::vector<Call> kept;
    for (const Call& call : calls)
        if (call.nth <= 10 || call.nth % 50 == 0) kept.push_back(call);
    return kept;
}

// The host checks err reports that the fault itself does not explain: a context whose pop failed stays pushed.
std::string UnexplainedChecks(const std::string& err, const Call& fault)
{
    std::istringstream lines(err);
    std::string unexplained;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("host check") == std::string::npos) continue;
        if (fault.operation == "PopAppContext" && line.find("application context left pushed") != std::string::npos)
            continue;
        unexplained += line + "\n";
    }
    return unexplained;
}

// The outcome's kind: the problem a failed run reported (its first line, without the program's name), or
// "success".
std::string KindOf(int status, const std::string& err)
{
    if (status == 0) return "success";
    std::string first = err.substr(0, err.find('\n'));
    // The error a plug-in reported names the host's code, which differs from call to call.
    const std::size_t reported = first.find("reported an error");
    if (reported != std::string::npos) first.erase(reported + std::strlen("reported an error"));
    const std::string prefix = "pendrake: ";
    if (first.rfind(prefix, 0) == 0) first.erase(0, prefix.size());
    // A module is named by its file alone.
    const std::size_t module = first.find(".pdp: ");
    if (module != std::string::npos) first.erase(0, first.rfind('/', module) + 1);
    return first;
}

void PrintKinds(const char* what, std::size_t calls, const std::map<std::string, int>& kinds)
{
    std::printf("%s: %zu host calls failed once each\n", what, calls);
    for (const auto& [kind, count] : kinds) std::printf("  %5d  %s\n", count, kind.c_str());
}

class FaultSweep : public testing::Test {
protected:
    void SetUp() override
    {
        fSandbox.SetRegistryPath(true, "/bin/true");  // starts, reads nothing, and is gone at once
        std::ofstream(Path("prefs.ini")) << "";
        fOptions.session.appFolder = MARKPLUG_APP_DIR;
        fOptions.session.artwork = MARKPLUG_SOURCE_DIR "/examples/sign.svg";
        fOptions.session.preferences = Path("prefs.ini");
        fOptions.job.cutIds = {"border", "badge-ring", "star", "dot-left", "dot-right"};
        fOptions.job.perforateIds = {"wave"};
        fOptions.saveAs = Path("out.svg");
    }

    std::string Path(const std::string& name) const { return fSandbox.Folder() + "/" + name; }

    int Run()
    {
        std::ofstream(Path("prefs.ini"), std::ios::trunc) << "";
        std::ostringstream out, err;
        const int status = pendrake::RunJob(fOptions, out, err);
        fOut = out.str();
        fErr = err.str();
        // Each start makes a cut data file of its own; it goes once read, so that the next run's is the only one.
        const std::string cutFile = fSandbox.CutFile();
        fCutBytes = cutFile.empty() ? "(no cut data file)" : FileBytes(cutFile);
        if (!cutFile.empty()) fs::remove(cutFile);
        return status;
    }

    // Runs the job once without faults, then once with each sampled call failing. handedOver gives what a run
    // handed to the cutter (and clears it for the next run); started is what the job prints when it did.
    void SweepJob(const char* title, const char* started, const std::function<std::string()>& handedOver)
    {
        fOptions.session.callTrace = Path("calls.txt");
        ASSERT_EQ(Run(), 0) << fErr;
        const std::string baseline = handedOver();
        const std::string document = FileBytes(Path("out.svg"));
        ASSERT_NE(baseline, "");
        const std::vector<Call> calls = Sampled(PluginCalls(Path("calls.txt")));
        ASSERT_GT(calls.size(), 100u);
        fOptions.session.callTrace.clear();

        std::map<std::string, int> kinds;
        for (const Call& call : calls) {
            const std::string fault = call.operation + ":" + std::to_string(call.nth);
            fOptions.session.failCalls = {fault};
            fs::remove(Path("out.svg"));
            const int status = Run();
            const std::string sent = handedOver();
            EXPECT_EQ(UnexplainedChecks(fErr, call), "") << fault;
            // Whatever was handed over, and whatever was called a success, is what a run without faults gives.
            const bool handed = fOut.find(started) != std::string::npos;
            EXPECT_TRUE(status != 0 || handed) << fault;
            if (handed) {
                EXPECT_EQ(sent, baseline) << fault;
                EXPECT_EQ(FileBytes(Path("out.svg")), document) << fault;
            }
            ++kinds[KindOf(status, fErr)];
        }
        PrintKinds(title, calls.size(), kinds);
    }

    CutOutputSandbox fSandbox;
    pendrake::JobOptions fOptions;
    std::string fOut, fErr, fCutBytes;
};

}  // namespace

TEST_F(FaultSweep, TheMainJobReportsEveryFailureOrHandsOverTheSameJob)
{
    SweepJob("main job", "cutting application started", [this] { return fCutBytes; });
}

TEST_F(FaultSweep, TheMacEditionsJobReportsEveryFailureOrSendsTheSameCommands)
{
    const std::string folder = fSandbox.Folder() + "/Applications/Talvex/";
    fSandbox.EnterMacHostFolder();
    fSandbox.InstallOutputApplication();
    fOptions.session.edition = "macos";
    fOptions.job.cutIds.push_back("wave");
    fOptions.job.perforateIds = {};
    // The three command files, together; each run writes them anew.
    SweepJob("main job, macOS feature set", "output application opened", [&folder] {
        std::string text;
        for (const char* name : {"tmp.txt", "tmp_pro.txt", "tmp_km.txt"}) {
            text += FileBytes(folder + name) + "\n--\n";
            fs::remove(folder + name);
        }
        return text;
    });
}

TEST_F(FaultSweep, APanelSessionOfEveryOperationChangesNothingUnreported)
{
    // Every operation once, in the order a user would come to them.
    const std::string script =
        "<payload><operation>8</operation></payload>\n"
        "<payload><operation>9</operation></payload>\n"
        "<payload><operation>10</operation><W>170</W><L>200</L><X>10</X><Y>20</Y><MachineType>8</MachineType>"
        "<CropCount>4</CropCount></payload>\n"
        "<payload><operation>11</operation></payload>\n"
        "<payload><operation>6</operation></payload>\n"
        "!select border,star\n"
        "<payload><operation>5</operation></payload>\n"
        "!select wave\n"
        "<payload><operation>15</operation></payload>\n"
        "<payload><operation>13</operation><Target>3</Target></payload>\n"
        "<payload><operation>16</operation><CutForce>80</CutForce><CutSpeed>20</CutSpeed><CutterOffset>0.25</"
        "CutterOffset>"
        "<CutQuality>2</CutQuality><CutLength>1.0</CutLength><HalfCutLength>0.5</HalfCutLength>"
        "<HalfCutForce>30</HalfCutForce><UseMachineCutCondition>0</UseMachineCutCondition>"
        "<UseMachinePerforationCondition>1</UseMachinePerforationCondition><CutOverlapCount>2</CutOverlapCount>"
        "</payload>\n"
        "<payload><operation>1</operation><Target>3</Target></payload>\n"
        "!select dot-left,dot-right\n"
        "<payload><operation>4</operation></payload>\n"
        "!select badge-ring\n"
        "<payload><operation>2</operation></payload>\n"
        "<payload><operation>3</operation></payload>\n"
        "!select all\n"
        "<payload><operation>0</operation></payload>\n"
        "<payload><operation>14</operation></payload>\n"
        "<payload><operation>12</operation><FileName>index.html</FileName></payload>\n"
        "<payload><operation>7</operation></payload>\n";
    pendrake::PanelOptions options;
    options.session = fOptions.session;
    options.saveAs = Path("panel.svg");
    const auto play = [&](std::string& out, std::string& err) {
        std::ofstream(Path("prefs.ini"), std::ios::trunc) << "";
        fs::remove(Path("panel.svg"));
        std::istringstream in(script);
        std::ostringstream outText, errText;
        const int status = pendrake::RunPanel(options, in, outText, errText);
        out = outText.str() + "\n" + FileBytes(Path("panel.svg"));
        err = errText.str();
        const std::string cutFile = fSandbox.CutFile();
        if (!cutFile.empty()) fs::remove(cutFile);
        return status;
    };

    options.session.callTrace = Path("calls.txt");
    std::string baseline, baselineErr;
    ASSERT_EQ(play(baseline, baselineErr), 0) << baselineErr;
    ASSERT_EQ(baselineErr, "");
    const std::vector<Call> calls = Sampled(PluginCalls(Path("calls.txt")));
    ASSERT_GT(calls.size(), 100u);
    options.session.callTrace.clear();

    std::map<std::string, int> kinds;
    for (const Call& call : calls) {
        const std::string fault = call.operation + ":" + std::to_string(call.nth);
        options.session.failCalls = {fault};
        std::string out, err;
        const int status = play(out, err);
        EXPECT_EQ(UnexplainedChecks(err, call), "") << fault;
        // What a session changes it changes as without faults, or the user is told.
        const bool told = status != 0 || err.find("pendrake: alert:") != std::string::npos ||
                          out.find("TalvexDispMessage") != baseline.find("TalvexDispMessage");
        if (out == baseline) {
            ++kinds[told ? "the same session, a failure reported" : "the same session"];
        } else {
            EXPECT_TRUE(told) << fault << "\n" << out;
            ++kinds[told ? "a different session, the failure reported" : "a different session, nothing reported"];
        }
    }
    PrintKinds("panel session", calls.size(), kinds);
}
