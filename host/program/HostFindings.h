// What the host noticed on the plug-ins' behalf during a session, told at its end.
#ifndef PENDRAKE_HOSTFINDINGS_H
#define PENDRAKE_HOSTFINDINGS_H

#include <iosfwd>

#include "host/Host.h"

namespace pendrake {

// Writes the alerts the plug-ins raised, the calls they made in the wrong state and the panel events the host
// could not let them act on to err, one line each; 1 when there were calls in the wrong state or refused
// events, else 0.
int ReportHostFindings(host::Host& host, std::ostream& err);

}  // namespace pendrake

#endif
