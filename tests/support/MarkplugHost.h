// A host substitute with the built markplug module of one edition loaded, as the contract tests use it.
#ifndef TESTS_SUPPORT_MARKPLUGHOST_H
#define TESTS_SUPPORT_MARKPLUGHOST_H

#include <memory>
#include <string>
#include <vector>

#include "host/Host.h"
#include "wirelet/PanelBus.h"

namespace testing_support {

inline const char kPanelNamespace[] = "com.varrowkt.talvex";
inline const std::string kOperationClicked = std::string(kPanelNamespace) + ".OperationClicked";

// The module file of an edition ("windows" or "macos").
std::string MarkplugModule(const std::string& edition);

class MarkplugHost {
public:
    // panelFolder is the folder of types 0 and 52, where the panel service library is looked for.
    explicit MarkplugHost(const std::string& edition, const std::string& panelFolder = MARKPLUG_APP_DIR);
    ~MarkplugHost();

    host::Host& Host() { return *fHost; }
    ZBPlugin* Plugin() { return fPlugin; }
    wirelet::PanelBus& Bus() { return wirelet::PanelBus::Shared(); }

    // Startup, the application started notification and the panel service ready notification.
    ZBErr StartAndConnect();
    // An "OperationClicked" event from the panel with this payload.
    void Click(const std::string& payload);
    // Notifiers the plug-in added, as "name|type".
    std::vector<std::string> NotifierNames() const;
    // Host objects the plug-in still holds: suites, strings, paths, blocks, contexts.
    std::string Leftovers();

private:
    std::unique_ptr<host::Host> fHost;
    ZBPlugin* fPlugin = nullptr;
};

}  // namespace testing_support

#endif
