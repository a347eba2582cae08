// The panel pages of `pendrake serve`, no token needed: "/" is the folder's index.html (markplug's panel),
// "/eventbridge.html" its eventbridge.html, and "/panel/NAME" any file of the folder. GET and HEAD only.
#ifndef PENDRAKE_SERVEPAGES_H
#define PENDRAKE_SERVEPAGES_H

#include <string>

#include <httplib.h>

#include "PanelFiles.h"

namespace pendrake {

class ServePages {
public:
    // files must outlive the server's threads.
    explicit ServePages(const PanelFiles& files) : fFiles(files) {}

    void Route(httplib::Server& server);

private:
    // The file name as it came in the path, checked first: 400 for one that could leave the folder, 404 when
    // there is no such file.
    void Send(const std::string& name, httplib::Response& response) const;

    const PanelFiles& fFiles;
};

}  // namespace pendrake

#endif
