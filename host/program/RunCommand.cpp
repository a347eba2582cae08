// `pendrake run`: the main job on one artwork (see CutJob.h), then the document saved.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

#include <cstdlib>
#include "Commands.h"
#include "CutJob.h"
#include "HostSession.h"
#include "host/Svg.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
namespace {

// The plug-in makes its cut data file in the temporary folder when it starts ("~TX....TMP"); the files of that
// name that appear while it starts are its.
std::set<std::string> CutDataFiles()
{
    std::set<std::string> found;
    std::error_code error;
    const char* folder = std::getenv("TMPDIR");  // where the plug-in's platform layer makes temporary files
    for (const auto& entry : std::filesystem::directory_iterator(folder && *folder ? folder : "/tmp", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("~TX", 0) == 0 && name.size() > 4 && name.compare(name.size() - 4, 4, ".TMP") == 0)
            found.insert(entry.path().string());
    }
    return found;
}

// "0.412 s": to the millisecond.
std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", seconds);
    return text;
}

}  // namespace

int RunJob(const JobOptions& options, std::ostream& out, std::ostream& err)
{
    wirelet::PanelBus& bus = wirelet::PanelBus::Shared();
    std::vector<wirelet::EventRecord> events;
    int status = 0;
    {
        const std::set<std::string> before = CutDataFiles();
        HostSession session(options.session, err);
        if (session.LoadProblems() > 0 || session.Host().Plugins().empty()) {
            err << "pendrake: " << (session.Host().Plugins().empty() ? "no plug-in" : "not every plug-in")
                << " could be loaded and started from " << session.PluginsFolder() << '\n';
            return 1;
        }
        for (const std::string& file : CutDataFiles())
            if (!before.count(file)) out << "Cut data file: " << file << '\n';
        bus.SetObserver([&events](const wirelet::EventRecord& event) {
            if (!event.fFromHost) events.push_back(event);
        });

        ConsolePanel panel(session.Host());
        CutJob job(session.Host(), panel, events, out);
        CutJobOptions jobOptions = options.job;
        jobOptions.macEdition = options.session.edition == "macos";
        std::string problem;
        if (!job.Run(jobOptions, &problem)) {
            err << "pendrake: " << problem << '\n';
            status = 1;
        }
        bus.SetObserver({});

        // Every step leaves the document whole, so it is saved also after a failed output.
        const auto saving = std::chrono::steady_clock::now();
        if (!options.saveAs.empty()) {
            host::WriteSvgFile(*session.Host().CurrentDocument(), options.saveAs);
            out << "Saved: " << options.saveAs << '\n';
        }
        const double savingSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - saving).count();
        if (options.job.timings)
            err << "Timings: reading " << Seconds(session.ReadSeconds()) << ", output run "
                << Seconds(job.OutputSeconds()) << ", saving " << Seconds(savingSeconds) << '\n';
        for (const auto& violation : session.Host().GetChecks().Violations()) {
            err << "pendrake: host check: " << violation << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace pendrake
