// `pendrake panel`: opens an artwork, starts the plug-ins and plays their panel from standard input; every
// event the plug-ins dispatch is written to standard output as one JSON line.
#include <iostream>
#include <string>

#include "Commands.h"
#include "ConsolePanel.h"
#include "EventJson.h"
#include "HostFindings.h"
#include "HostSession.h"
#include "host/Svg.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
int RunPanel(const PanelOptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    wirelet::PanelBus& bus = wirelet::PanelBus::Shared();
    int status = 0;
    {
        HostSession session(options.session, err);
        if (session.LoadProblems() > 0 || session.Host().Plugins().empty()) {
            err << "pendrake: " << (session.Host().Plugins().empty() ? "no plug-in" : "not every plug-in")
                << " could be loaded and started from " << session.PluginsFolder() << '\n';
            return 1;
        }
        bus.SetObserver([&out](const wirelet::EventRecord& event) {
            if (!event.fFromHost) out << EventJsonLine(event) << '\n';
        });

        ConsolePanel panel(session.Host());
        std::string line;
        for (long number = 1; std::getline(in, line); ++number) {
            std::string problem;
            const bool handled = panel.Handle(line, &problem);
            out.flush();
            if (!handled) {
                err << "pendrake: " << options.inputName << ':' << number << ": " << problem << '\n';
                status = 1;
                break;
            }
        }
        bus.SetObserver({});

        // A session that went wrong is not saved over the user's file.
        if (status == 0 && !options.saveAs.empty()) {
            if (host::Document* document = session.Host().CurrentDocument())
                host::WriteSvgFile(*document, options.saveAs);
        }
        session.SavePreferences();
        status |= ReportHostFindings(session.Host(), err);
    }
    return status;
}

}  // namespace pendrake
