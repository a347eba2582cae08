// PDEventRegistry: the event registry that switches host notifiers. The first subscription to an event id adds
// a notifier for that notification type (a new notifier delivers at once); later switches set that same
// notifier active or inactive. Notifiers are never removed: the table of them only grows.
#ifndef EVENTBRIDGE_PDEVENTREGISTRY_H
#define EVENTBRIDGE_PDEVENTREGISTRY_H

#include <map>
#include <string>

#include "EventRegistry.h"
#include "pendrake/PDNotifier.h"
#include "pendrake/ZBErrors.h"

class PDEventRegistry : public EventRegistry {
public:
    using Notifiers = std::map<std::string, PDNotifierHandle, ByteWiseLess>;

    PDEventRegistry(ZBPlugin* plugin, std::string ownerName, const PDNotifierSuite3* notifierSuite);
    ~PDEventRegistry() = default;

    bool RegisterEvent(std::string eventId, std::string extensionId) override;
    bool UnregisterEvent(std::string eventId, std::string extensionId) override;

    // The notifier suite is given back at shut-down; from then on no switch reaches the host (and fails).
    void ForgetNotifierSuite() noexcept { fNotifierSuite = nullptr; }

    const Notifiers& GetNotifiers() const noexcept { return fNotifiers; }

private:
    ZBPlugin* fPlugin;
    std::string fOwnerName;
    const PDNotifierSuite3* fNotifierSuite;
    Notifiers fNotifiers;
};

#endif
