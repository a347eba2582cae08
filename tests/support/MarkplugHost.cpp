#include "MarkplugHost.h"

#include <gtest/gtest.h>

#include "pendrake/PDFolders.h"
#include "pendrake/PDNotifier.h"

namespace testing_support {

std::string MarkplugModule(const std::string& edition)
{
    return std::string(MARKPLUG_PLUGINS_DIR) + "/" + edition + "/markplug.pdp";
}

MarkplugHost::MarkplugHost(const std::string& edition, const std::string& panelFolder)
    : PluginHost(MarkplugModule(edition),
                 {{kPDApplicationFolderType, panelFolder}, {kPDApplicationSupportFolderType, panelFolder}})
{
}

ZBErr MarkplugHost::StartAndConnect()
{
    const ZBErr result = fHost->Startup(fPlugin);
    fHost->Notify(kPDApplicationStartedNotifier);
    fHost->PanelServiceReady();
    return result;
}

void MarkplugHost::Click(const std::string& payload) { Bus().InjectEvent(kOperationClicked, payload); }

std::vector<std::string> MarkplugHost::NotifierNames() const
{
    std::vector<std::string> names;
    for (const auto& notifier : fHost->Notifiers())
        if (notifier->plugin == fPlugin) names.push_back(notifier->name + "|" + notifier->type);
    return names;
}

}  // namespace testing_support
