#include "EventbridgeHost.h"

#include <gtest/gtest.h>

#include "pendrake/PDFolders.h"
#include "pendrake/PDNotifier.h"

namespace testing_support {

std::string EventbridgeModule() { return std::string(MARKPLUG_PLUGINS_DIR) + "/windows/eventbridge.pdp"; }

EventbridgeHost::EventbridgeHost(const std::string& panelFolder, bool linkPanelService)
    : PluginHost(EventbridgeModule(), {{kPDApplicationFolderType, panelFolder}}, linkPanelService)
{
}

ZBErr EventbridgeHost::StartAndConnect()
{
    const ZBErr result = fHost->Startup(fPlugin);
    fHost->PanelServiceReady();
    return result;
}

void EventbridgeHost::Request(const std::optional<std::string>& extension, const std::string& suffix,
                              const std::optional<std::string>& data)
{
    Bus().InjectEvent(AdapterType(suffix), data, extension);
}

std::vector<wirelet::EventRecord> EventbridgeHost::TakeAnswers()
{
    std::vector<wirelet::EventRecord> answers;
    for (auto& event : Bus().TakeEvents())
        if (!event.fFromHost) answers.push_back(std::move(event));
    return answers;
}

std::vector<std::string> EventbridgeHost::SubscriptionNotifiers() const
{
    std::vector<std::string> notifiers;
    for (const auto& notifier : fHost->Notifiers())
        if (notifier->plugin == fPlugin && notifier->name == "eventbridge")
            notifiers.push_back(notifier->type + (notifier->active ? "=active" : "=inactive"));
    return notifiers;
}

}  // namespace testing_support
