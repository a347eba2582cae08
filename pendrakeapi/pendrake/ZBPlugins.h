/* The Plug-ins suite: what the host records about each loaded plug-in. */
#ifndef PENDRAKE_ZBPLUGINS_H
#define PENDRAKE_ZBPLUGINS_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kZBPluginsSuite "ZB Plug-ins Suite"
#define kZBPluginsSuiteVersion4 4

typedef struct ZBPluginsSuite4 {
    /* Records the plug-in's display name; the host copies the text. kBadParameterErr for a null argument. */
    ZBErr (*SetPluginName)(ZBPlugin* plugin, const char* name);
    /* Stores the recorded name in *name (host-owned, valid until the next SetPluginName or shut-down). */
    ZBErr (*GetPluginName)(ZBPlugin* plugin, const char** name);
    /* Stores the number of plug-ins the host has loaded in *count. */
    ZBErr (*CountPlugins)(int32_t* count);
    /* Stores the n-th loaded plug-in (from 0) in *plugin; kBadParameterErr when n is out of range. */
    ZBErr (*GetNthPlugin)(int32_t n, ZBPlugin** plugin);
} ZBPluginsSuite4;

#ifdef __cplusplus
}
#endif

#endif
