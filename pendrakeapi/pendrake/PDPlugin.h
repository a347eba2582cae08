/* The Plugin suite: options of a loaded plug-in. */
#ifndef PENDRAKE_PDPLUGIN_H
#define PENDRAKE_PDPLUGIN_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDPluginSuite "PD Plugin Suite"
#define kPDPluginSuiteVersion5 5
#define kPDPluginSuiteVersion1004 1004

/* Versions 5 and 1004 share this layout. */
typedef struct PDPluginSuite5 {
    /* Store or set the plug-in's option bits; the host records them and gives them no further meaning. */
    ZBErr (*GetPluginOptions)(ZBPlugin* plugin, int32_t* options);
    ZBErr (*SetPluginOptions)(ZBPlugin* plugin, int32_t options);
} PDPluginSuite5;

typedef PDPluginSuite5 PDPluginSuite1004;

#ifdef __cplusplus
}
#endif

#endif
