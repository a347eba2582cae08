/* The Notifier suite: a plug-in asks to be told of host events of a type. While a notifier is active, the host
   sends the plug-in "PD Notifier" / "PD Notify" with a PDNotifierMessage each time such an event happens. */
#ifndef PENDRAKE_PDNOTIFIER_H
#define PENDRAKE_PDNOTIFIER_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDNotifierSuite "PD Notifier Suite"
#define kPDNotifierSuiteVersion3 3
#define kPDNotifierSuiteVersion4 4
#define kPDNotifierSuiteVersion1003 1003

#define kPDApplicationStartedNotifier "PD Application Started Notifier"
#define kPDApplicationShutdownNotifier "PD Application Shutdown Notifier"
#define kPDArtSelectionChangedNotifier "PD Art Selection Changed Notifier"
#define kPDWireletSetupCompleteNotifier "PD TRML Wirelet Setup Complete"

/* Versions 3, 4 and 1003 share this layout. */
typedef struct PDNotifierSuite4 {
    /* Adds an active notifier for events of type (any text) on behalf of plugin; name is for display. The
       handle, stored in *notifier when non-null, stays valid while the host runs. kBadParameterErr for a null
       plugin, name or type. */
    ZBErr (*AddNotifier)(ZBPlugin* plugin, const char* name, const char* type, PDNotifierHandle* notifier);
    /* Store the notifier's name or type (host-owned, valid as long as the notifier). */
    ZBErr (*GetNotifierName)(PDNotifierHandle notifier, const char** name);
    ZBErr (*GetNotifierType)(PDNotifierHandle notifier, const char** type);
    /* Stores whether the notifier is active. */
    ZBErr (*IsNotifierActive)(PDNotifierHandle notifier, ZBBoolean* active);
    /* Switches delivery on (true) or off (false). kBadObjectErr for an unknown handle. */
    ZBErr (*SetNotifierActive)(PDNotifierHandle notifier, ZBBoolean active);
    /* Stores the plug-in that added the notifier. */
    ZBErr (*GetNotifierPlugin)(PDNotifierHandle notifier, ZBPlugin** plugin);
    /* Count and list every notifier the host holds, in the order they were added. */
    ZBErr (*CountNotifiers)(int32_t* count);
    ZBErr (*GetNthNotifier)(int32_t n, PDNotifierHandle* notifier);
} PDNotifierSuite4;

typedef PDNotifierSuite4 PDNotifierSuite3;
typedef PDNotifierSuite4 PDNotifierSuite1003;

#ifdef __cplusplus
}
#endif

#endif
