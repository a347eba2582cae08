// A host substitute with the built plug-ins loaded from the build tree, started and joined to the panel service,
// as the fuzz targets and the soak drive it. Unlike the test hosts it needs no test framework: a plug-in that
// cannot be loaded or started is reported by std::runtime_error.
#ifndef FUZZ_SUPPORT_DRIVENHOST_H
#define FUZZ_SUPPORT_DRIVENHOST_H

#include <memory>
#include <optional>
#include <string>

#include "host/Host.h"
#include "wirelet/PanelBus.h"

namespace drive {

// The module files in the build tree: markplug of an edition ("windows" or "macos"), and eventbridge.
std::string MarkplugModule(const std::string& edition);
std::string EventbridgeModule();

struct HostPlugins {
    std::string edition = "windows";  // markplug's feature set; empty: no markplug
    bool eventbridge = true;
};

class DrivenHost {
public:
    // Loads the plug-ins, starts them, sends the application started notification and reports the panel
    // service ready.
    explicit DrivenHost(const HostPlugins& plugins);
    // Shuts the plug-ins down, unloads them and empties the panel bus.
    ~DrivenHost();
    DrivenHost(const DrivenHost&) = delete;
    DrivenHost& operator=(const DrivenHost&) = delete;

    host::Host& Host() { return *fHost; }
    wirelet::PanelBus& Bus() { return wirelet::PanelBus::Shared(); }
    ZBPlugin* Markplug() const { return fMarkplug; }
    ZBPlugin* Eventbridge() const { return fEventbridge; }

    // An "OperationClicked" event from markplug's panel with this payload.
    void Click(const std::string& payload);
    // An event of type "com.pendrake.eventbridge." + suffix from a panel extension, as eventbridge's requests.
    void Request(const std::optional<std::string>& extension, const std::string& suffix,
                 const std::optional<std::string>& data);

    // What the host's checks recorded since the last call, "; " between (empty: nothing); the record is cleared.
    std::string TakeViolations();
    // The host objects the plug-ins hold now, as "strings N, paths N, blocks N, matching art lists N, action
    // parameter blocks N, contexts N".
    std::string HeldObjects() const;
    // Forgets what the host and the panel bus keep of past traffic (events, action plays, alerts), so that a long
    // run holds only what the plug-ins hold.
    void ForgetTraffic();

private:
    std::unique_ptr<host::Host> fHost;
    ZBPlugin* fMarkplug = nullptr;
    ZBPlugin* fEventbridge = nullptr;
};

}  // namespace drive

#endif
