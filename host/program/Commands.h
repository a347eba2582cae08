// The program's commands; each returns the process exit code.
#ifndef PENDRAKE_COMMANDS_H
#define PENDRAKE_COMMANDS_H

#include "HostSession.h"

namespace pendrake {

int RunStart(const SessionOptions& options);

}  // namespace pendrake

#endif
