// A host substitute with the built markplug module of one edition loaded, as the contract tests use it.
#ifndef TESTS_SUPPORT_MARKPLUGHOST_H
#define TESTS_SUPPORT_MARKPLUGHOST_H

#include <string>
#include <vector>

#include "PluginHost.h"

namespace testing_support {

inline const char kPanelNamespace[] = "com.varrowkt.talvex";
inline const std::string kOperationClicked = std::string(kPanelNamespace) + ".OperationClicked";

// The module file of an edition ("windows" or "macos").
std::string MarkplugModule(const std::string& edition);

class MarkplugHost : public PluginHost {
public:
    // panelFolder is the folder of types 0 and 52, where the panel service library is looked for.
    explicit MarkplugHost(const std::string& edition, const std::string& panelFolder = MARKPLUG_APP_DIR);

    // Startup, the application started notification and the panel service ready notification.
    ZBErr StartAndConnect();
    // An "OperationClicked" event from the panel with this payload.
    void Click(const std::string& payload);
    // Notifiers the plug-in added, as "name|type".
    std::vector<std::string> NotifierNames() const;
};

}  // namespace testing_support

#endif
