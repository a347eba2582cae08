// A host run as the program sets it up: the installed layout found from the program's own location, the
// plug-ins of one edition loaded and started, the panel service ready.
#ifndef PENDRAKE_HOSTSESSION_H
#define PENDRAKE_HOSTSESSION_H

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "host/Host.h"

namespace pendrake {

struct SessionOptions {
    std::string edition = "windows";  // which feature set of markplug: "windows" or "macos"
    std::string pluginsFolder;        // empty: Plug-ins/<edition> beside the program
    std::string artwork;              // an SVG file to open before the plug-ins start; empty: no document
    // Refuse an artwork with anything the document cannot hold, instead of importing its nearest equivalent.
    bool strictImport = false;
    bool progress = false;    // show the progress of reading a large artwork (standard error is a terminal)
    std::string preferences;  // the preference file; empty: DefaultPreferencesFile() when it exists
    std::string appFolder;    // the installed layout's root; empty: ProgramFolder()
    // Host calls made to fail, each "CALL" (every call) or "CALL:N" (the Nth call, once), from the start.
    std::vector<std::string> failCalls;
    std::string callTrace;  // where to write every host call the plug-ins made, one per line; empty: nowhere
};

// Checks the --fail texts; false, with *problem naming the first bad one, when one is not "CALL" or "CALL:N".
bool CheckFailCalls(const std::vector<std::string>& failCalls, std::string* problem);

// $XDG_CONFIG_HOME/Pendrake/Preferences.ini, or ~/.config/Pendrake/Preferences.ini.
std::string DefaultPreferencesFile();

// The folder that holds the program (and the panel service library).
std::string ProgramFolder();

class HostSession {
public:
    // Reads the preferences and the artwork (a bad file throws, naming the file and the place; what the import
    // turned into an equivalent is written to log, one line a kind), then loads and starts the plug-ins; problems
    // with single modules are written to log and the others still run.
    HostSession(const SessionOptions& options, std::ostream& log);
    ~HostSession();

    host::Host& Host() { return *fHost; }
    const std::string& PluginsFolder() const { return fPluginsFolder; }
    int LoadProblems() const { return fLoadProblems; }
    double ReadSeconds() const { return fReadSeconds; }  // how long reading the artwork took
    // Writes the preference file when something changed the preferences.
    void SavePreferences();

private:
    std::unique_ptr<host::Host> fHost;
    std::ostream& fLog;
    std::string fCallTrace;
    std::string fPluginsFolder;
    std::string fPreferencesFile;
    int fLoadProblems = 0;
    double fReadSeconds = 0;
};

}  // namespace pendrake

#endif
