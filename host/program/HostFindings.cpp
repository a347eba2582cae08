#include "HostFindings.h"

#include <ostream>

namespace pendrake {

int ReportHostFindings(host::Host& host, std::ostream& err)
{
    for (const auto& alert : host.Alerts()) err << "pendrake: alert: " << alert << '\n';
    for (const auto& violation : host.GetChecks().Violations()) err << "pendrake: host check: " << violation << '\n';
    // Each refusal is a panel event the plug-in could not act on.
    if (host.RefusedContexts() > 0)
        err << "pendrake: the host could not enter a plug-in's context " << host.RefusedContexts()
            << " time(s): those panel lines were not carried out\n";
    return host.GetChecks().Violations().empty() && host.RefusedContexts() == 0 ? 0 : 1;
}

}  // namespace pendrake
