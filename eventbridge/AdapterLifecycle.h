// Start-up and shut-down of eventbridge.
#ifndef EVENTBRIDGE_ADAPTERLIFECYCLE_H
#define EVENTBRIDGE_ADAPTERLIFECYCLE_H

#include "pendrake/ZBPlugin.h"

// Takes the notifier suite, makes the registry, locks the module, adds the setup notifier, then binds the panel
// library whatever happened before. Returns the first failure of the steps before the binding; a panel library
// that cannot be bound is not a failure (the adapter then stays silent towards panels).
ZBErr AdapterStartup(const ZBInterfaceMessage& message);
// Switches off every notifier of a panel subscription, empties the subscriptions and gives the notifier suite
// back. The request listeners, the panel library and the setup notifier stay.
void AdapterShutdown(const ZBInterfaceMessage& message);

#endif
