// A host run as the program sets it up: the installed layout found from the program's own location, the
// plug-ins of one edition loaded and started, the panel service ready.
#ifndef PENDRAKE_HOSTSESSION_H
#define PENDRAKE_HOSTSESSION_H

#include <iosfwd>
#include <memory>
#include <string>

#include "host/Host.h"

namespace pendrake {

struct SessionOptions {
    std::string edition = "windows";  // which feature set of markplug: "windows" or "macos"
    std::string pluginsFolder;        // empty: Plug-ins/<edition> beside the program
};

// The folder that holds the program (and the panel service library).
std::string ProgramFolder();

class HostSession {
public:
    // Loads and starts; problems with single modules are written to log and the others still run.
    HostSession(const SessionOptions& options, std::ostream& log);
    ~HostSession();

    host::Host& Host() { return *fHost; }
    const std::string& PluginsFolder() const { return fPluginsFolder; }
    int LoadProblems() const { return fLoadProblems; }

private:
    std::unique_ptr<host::Host> fHost;
    std::string fPluginsFolder;
    int fLoadProblems = 0;
};

}  // namespace pendrake

#endif
