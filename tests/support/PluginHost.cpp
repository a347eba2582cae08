#include "PluginHost.h"

#include <gtest/gtest.h>

#include "host/PanelLink.h"

namespace testing_support {

PluginHost::PluginHost(const std::string& modulePath, const std::map<int32_t, std::string>& folders,
                       bool linkPanelService)
{
    wirelet::PanelBus::Shared().Reset();
    host::HostOptions options;
    options.folders = folders;
    fHost = std::make_unique<host::Host>(options);
    if (linkPanelService) host::LinkPanelService(*fHost);
    std::string problem;
    fPlugin = fHost->LoadPlugin(modulePath, &problem);
    if (!fPlugin) ADD_FAILURE() << "cannot load " << modulePath << ": " << problem;
}

PluginHost::~PluginHost()
{
    fHost.reset();
    wirelet::PanelBus::Shared().Reset();
}

std::string PluginHost::Leftovers()
{
    std::string text;
    for (const auto& suite : fHost->Suites().HeldBy(fPlugin)) text += "suite " + suite + "; ";
    if (fHost->LiveStrings()) text += std::to_string(fHost->LiveStrings()) + " strings; ";
    if (fHost->LivePaths()) text += std::to_string(fHost->LivePaths()) + " paths; ";
    if (fHost->LiveBlocks()) text += std::to_string(fHost->LiveBlocks()) + " blocks; ";
    if (fHost->LiveMatchLists()) text += std::to_string(fHost->LiveMatchLists()) + " matching art lists; ";
    if (fHost->LiveActionParams()) text += std::to_string(fHost->LiveActionParams()) + " action parameter blocks; ";
    if (fHost->ContextDepth()) text += std::to_string(fHost->ContextDepth()) + " contexts; ";
    return text;
}

}  // namespace testing_support
