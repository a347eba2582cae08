#include "DrivenHost.h"

#include <stdexcept>

#include "TalvexPanelProtocol.h"
#include "host/PanelLink.h"
#include "pendrake/PDFolders.h"
#include "pendrake/PDNotifier.h"
#include "pendrake/ZBErrors.h"

namespace drive {
namespace {

const std::string kOperationClickedType = std::string(kPanelEventNamespace) + "." + kOperationClickedEvent;

ZBPlugin* Load(host::Host& host, const std::string& path)
{
    std::string problem;
    ZBPlugin* plugin = host.LoadPlugin(path, &problem);
    if (!plugin) throw std::runtime_error("cannot load " + path + ": " + problem);
    return plugin;
}

void Start(host::Host& host, ZBPlugin* plugin)
{
    if (plugin && host.Startup(plugin) != kNoErr) throw std::runtime_error("cannot start " + plugin->path);
}

}  // namespace

std::string MarkplugModule(const std::string& edition)
{
    return std::string(MARKPLUG_PLUGINS_DIR) + "/" + edition + "/markplug.pdp";
}

std::string EventbridgeModule() { return std::string(MARKPLUG_PLUGINS_DIR) + "/windows/eventbridge.pdp"; }

DrivenHost::DrivenHost(const HostPlugins& plugins)
{
    wirelet::PanelBus::Shared().Reset();
    host::HostOptions options;
    options.folders = {{kPDApplicationFolderType, MARKPLUG_APP_DIR},
                       {kPDApplicationSupportFolderType, MARKPLUG_APP_DIR},
                       {kPDPluginsFolderType, MARKPLUG_PLUGINS_DIR}};
    fHost = std::make_unique<host::Host>(options);
    host::LinkPanelService(*fHost);
    if (!plugins.edition.empty()) fMarkplug = Load(*fHost, MarkplugModule(plugins.edition));
    if (plugins.eventbridge) fEventbridge = Load(*fHost, EventbridgeModule());
    Start(*fHost, fMarkplug);
    Start(*fHost, fEventbridge);
    fHost->Notify(kPDApplicationStartedNotifier);
    fHost->PanelServiceReady();
}

DrivenHost::~DrivenHost()
{
    fHost.reset();
    wirelet::PanelBus::Shared().Reset();
}

void DrivenHost::Click(const std::string& payload)
{
    Bus().InjectEvent(kOperationClickedType, payload, std::string(kPanelExtensionId));
}

void DrivenHost::Request(const std::optional<std::string>& extension, const std::string& suffix,
                         const std::optional<std::string>& data)
{
    Bus().InjectEvent("com.pendrake.eventbridge." + suffix, data, extension);
}

std::string DrivenHost::TakeViolations()
{
    std::string text;
    for (const std::string& violation : fHost->GetChecks().Violations()) text += (text.empty() ? "" : "; ") + violation;
    fHost->GetChecks().Clear();
    return text;
}

std::string DrivenHost::HeldObjects() const
{
    const host::Host& h = *fHost;
    return "strings " + std::to_string(h.LiveStrings()) + ", paths " + std::to_string(h.LivePaths()) + ", blocks " +
           std::to_string(h.LiveBlocks()) + ", matching art lists " + std::to_string(h.LiveMatchLists()) +
           ", action parameter blocks " + std::to_string(h.LiveActionParams()) + ", contexts " +
           std::to_string(h.ContextDepth());
}

void DrivenHost::ForgetTraffic()
{
    Bus().ClearEvents();
    Bus().ClearExtensionCalls();
    fHost->ClearActionPlays();
    fHost->ClearAlerts();
}

}  // namespace drive
