// The state of the eventbridge module, one instance for the module, shared by its entry point, its panel
// listeners and its forwarding. The host calls all of them on its user-interface thread, one at a time.
#ifndef EVENTBRIDGE_ADAPTERSTATE_H
#define EVENTBRIDGE_ADAPTERSTATE_H

#include <optional>

#include "PDEventRegistry.h"
#include "SDKWirelet.h"
#include "pendrake/PDNotifier.h"
#include "pendrake/ZBAccess.h"

struct AdapterState {
    ZBPlugin* fPlugin = nullptr;
    // "PD Notifier Suite" version 3, held from start-up to shut-down.
    const PDNotifierSuite3* fNotifierSuite = nullptr;
    // Made at start-up and kept for the life of the module.
    std::optional<PDEventRegistry> fRegistry;
    // The notifier of "PD TRML Wirelet Setup Complete", null until it has been added.
    PDNotifierHandle fSetupNotifier = nullptr;
    // The host's lock on the module, taken at start-up and never given back.
    ZBAccessRef fAccess = nullptr;
    SDKWirelet fWirelet;
};

extern AdapterState gAdapter;

#endif
