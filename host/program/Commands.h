// The program's commands; each returns the process exit code.
#ifndef PENDRAKE_COMMANDS_H
#define PENDRAKE_COMMANDS_H

#include <iosfwd>
#include <string>
#include <vector>

#include "CutJob.h"
#include "HostSession.h"

namespace pendrake {

struct PanelOptions {
    SessionOptions session;           // session.artwork is the document to open
    std::string saveAs;               // where to write the document after the last line; empty: not written
    std::string inputName = "stdin";  // names the input in messages
};

struct JobOptions {
    SessionOptions session;  // session.artwork is the document to work on
    CutJobOptions job;
    std::string saveAs;  // where to write the document afterwards; empty: not written
};

struct ServeOptions {
    SessionOptions session;  // session.artwork is the document to open
    std::string saveAs;      // where the page's quit with saving writes the document; empty: it cannot save
    int port = 0;            // the port on 127.0.0.1; 0: a free one the system chooses
    // The command line as given, for the program that serves when serving is not built into this one.
    std::vector<std::string> commandLine;
};

int RunStart(const SessionOptions& options);
int RunPanel(const PanelOptions& options, std::istream& in, std::ostream& out, std::ostream& err);
int RunJob(const JobOptions& options, std::ostream& out, std::ostream& err);
// Serves the panel pages and the session's API on 127.0.0.1 until a stop signal or the page's quit; out gets the
// one line with the address, err everything else. Builds without the HTTP library say so and return 2; where the
// HTTP library lives in the program pendrake-serve, the command runs there.
int RunServe(const ServeOptions& options, std::ostream& out, std::ostream& err);

}  // namespace pendrake

#endif
