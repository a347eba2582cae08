// `pendrake run`: the main job on one artwork (see CutJob.h), then the document saved.
#include <chrono>
#include <cstdio>
#include <iostream>

#include "Commands.h"
#include "CutDataFileWatch.h"
#include "CutJob.h"
#include "HostSession.h"
#include "host/Svg.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
namespace {

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
        // The plug-in makes its cut data file when it starts: the file that appears meanwhile is its.
        CutDataFileWatch cutDataFiles;
        HostSession session(options.session, err);
        if (session.LoadProblems() > 0 || session.Host().Plugins().empty()) {
            err << "pendrake: " << (session.Host().Plugins().empty() ? "no plug-in" : "not every plug-in")
                << " could be loaded and started from " << session.PluginsFolder() << '\n';
            return 1;
        }
        for (const std::string& file : cutDataFiles.Collect()) out << "Cut data file: " << file << '\n';
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
