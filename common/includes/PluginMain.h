// The module's one exported function: the host calls it with a caller, a selector and the message record.
#ifndef MARKPLUG_PLUGINMAIN_H
#define MARKPLUG_PLUGINMAIN_H

#include "pendrake/ZBPlugin.h"

extern "C" PD_PLUGIN_EXPORT ZBErr PluginMain(const char* caller, const char* selector, void* message);

#endif
