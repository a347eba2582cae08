#include "MarkplugHost.h"

#include <gtest/gtest.h>

#include "Leftovers.h"
#include "host/PanelLink.h"
#include "pendrake/PDFolders.h"
#include "pendrake/PDNotifier.h"

namespace testing_support {

std::string MarkplugModule(const std::string& edition)
{
    return std::string(MARKPLUG_PLUGINS_DIR) + "/" + edition + "/markplug.pdp";
}

MarkplugHost::MarkplugHost(const std::string& edition, const std::string& panelFolder)
{
    wirelet::PanelBus::Shared().Reset();
    host::HostOptions options;
    options.folders[kPDApplicationFolderType] = panelFolder;
    options.folders[kPDApplicationSupportFolderType] = panelFolder;
    fHost = std::make_unique<host::Host>(options);
    host::LinkPanelService(*fHost);
    std::string problem;
    fPlugin = fHost->LoadPlugin(MarkplugModule(edition), &problem);
    if (!fPlugin) ADD_FAILURE() << "cannot load markplug: " << problem;
}

MarkplugHost::~MarkplugHost()
{
    fHost.reset();
    wirelet::PanelBus::Shared().Reset();
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

std::string MarkplugHost::Leftovers() { return testing_support::Leftovers(*fHost, fPlugin); }

}  // namespace testing_support
