// Joins the host to its panel service: when a plug-in shuts down, the panel service drops the listeners whose
// code lies in that plug-in's module, so that no panel event reaches code or objects that are gone.
#ifndef HOST_PANELLINK_H
#define HOST_PANELLINK_H

#include "host/Host.h"

namespace host {

void LinkPanelService(Host& host);

}  // namespace host

#endif
