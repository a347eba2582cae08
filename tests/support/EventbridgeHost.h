// A host substitute with the built eventbridge module loaded, and panels that talk to it through the panel
// service substitute.
#ifndef TESTS_SUPPORT_EVENTBRIDGEHOST_H
#define TESTS_SUPPORT_EVENTBRIDGEHOST_H

#include <optional>
#include <string>
#include <vector>

#include "PluginHost.h"

namespace testing_support {

inline const std::string kHostEventNamespace = "com.pendrake.eventbridge";
inline std::string AdapterType(const std::string& suffix) { return kHostEventNamespace + "." + suffix; }

std::string EventbridgeModule();

class EventbridgeHost : public PluginHost {
public:
    // panelFolder is the host folder of type 0, where "Wirelet.dll" is looked for.
    explicit EventbridgeHost(const std::string& panelFolder = MARKPLUG_APP_DIR, bool linkPanelService = true);

    // Startup and the panel service ready notification.
    ZBErr StartAndConnect();
    // A request of an extension: the event type HostEventNamespace + "." + suffix with this data.
    void Request(const std::optional<std::string>& extension, const std::string& suffix,
                 const std::optional<std::string>& data = std::nullopt);
    // The events eventbridge dispatched since the last call (injected requests left out).
    std::vector<wirelet::EventRecord> TakeAnswers();
    // The notifiers that eventbridge added for panel subscriptions, as "type=active|inactive", in adding order.
    std::vector<std::string> SubscriptionNotifiers() const;
};

}  // namespace testing_support

#endif
