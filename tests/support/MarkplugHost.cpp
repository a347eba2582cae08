#include "MarkplugHost.h"

#include <gtest/gtest.h>

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

std::string MarkplugHost::Leftovers()
{
    std::string text;
    for (const auto& suite : fHost->Suites().HeldBy(fPlugin)) text += "suite " + suite + "; ";
    if (fHost->Strings().Live()) text += std::to_string(fHost->Strings().Live()) + " strings; ";
    if (fHost->Paths().Live()) text += std::to_string(fHost->Paths().Live()) + " paths; ";
    if (!fHost->Blocks().empty()) text += std::to_string(fHost->Blocks().size()) + " blocks; ";
    if (!fHost->MatchLists().empty()) text += std::to_string(fHost->MatchLists().size()) + " matching art lists; ";
    if (fHost->LiveActionParams()) text += std::to_string(fHost->LiveActionParams()) + " action parameter blocks; ";
    if (fHost->ContextDepth()) text += std::to_string(fHost->ContextDepth()) + " contexts; ";
    return text;
}

}  // namespace testing_support
