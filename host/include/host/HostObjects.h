// The host's side of the opaque handles of the interface.
#ifndef HOST_HOSTOBJECTS_H
#define HOST_HOSTOBJECTS_H

#include <string>

#include "pendrake/PDTypes.h"

struct PDUnicodeStringOpaque {
    std::u16string text;
};

struct PDFilePathOpaque {
    std::string path;  // UTF-8
};

struct PDNotifierOpaque {
    ZBPlugin* plugin;
    std::string name;
    std::string type;
    bool active = true;
};

struct PDAppContextOpaque {
    ZBPlugin* plugin;  // the plug-in the host acts for while this push lasts
};

#endif
