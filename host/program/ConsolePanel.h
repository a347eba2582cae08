// The console panel: plays the part of markplug's panel (and of the user at the document) one text line at a
// time, so that a session can be typed or scripted.
//
//   <payload>...</payload>     sent as one "OperationClicked" event from the panel
//   !select ID[,ID...]         selects exactly the objects with these SVG ids, then tells the plug-ins
//   !select all | !select none
//   !layer NAME                makes the layer NAME current
//   !as EXTENSION TYPE [DATA]  sends an event of type TYPE from the extension EXTENSION, with DATA (the rest
//                              of the line, "" when absent) as its data: any panel, e.g. one of eventbridge
//   !notify TYPE               fires the host notification TYPE (the rest of the line)
//   empty lines and lines starting with "#" are skipped
#ifndef PENDRAKE_CONSOLEPANEL_H
#define PENDRAKE_CONSOLEPANEL_H

#include <string>

#include "host/Host.h"

namespace pendrake {

class ConsolePanel {
public:
    explicit ConsolePanel(host::Host& host) : fHost(host) {}

    // Acts on one line (without its line end; a trailing CR is ignored). False with *problem set when the line
    // cannot be acted upon; nothing has changed then.
    bool Handle(std::string line, std::string* problem);

private:
    bool Select(const std::string& what, std::string* problem);
    bool MakeLayerCurrent(const std::string& name, std::string* problem);
    bool SendAs(const std::string& arguments, std::string* problem);
    bool FireNotification(const std::string& type, std::string* problem);

    host::Host& fHost;
};

}  // namespace pendrake

#endif
