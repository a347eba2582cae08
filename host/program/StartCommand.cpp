// `pendrake start`: starts the host with the plug-ins of one edition, tells what happened, and shuts down.
#include <iostream>

#include "Commands.h"
#include "HostSession.h"
#include "pendrake/IPDError.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
namespace {

const char* StateText(PluginState state)
{
    switch (state) {
    case PluginState::Loaded: return "loaded, not started";
    case PluginState::Started: return "started";
    case PluginState::StartupFailed: return "start-up failed";
    case PluginState::ShutDown: return "shut down";
    }
    return "?";
}

}  // namespace

int RunStart(const SessionOptions& options)
{
    int problems = 0;
    {
        HostSession session(options, std::cerr);
        host::Host& host = session.Host();
        problems = session.LoadProblems();
        std::cout << "Plug-in folder: " << session.PluginsFolder() << '\n';
        if (host.Plugins().empty()) {
            std::cerr << "pendrake: no plug-ins found in " << session.PluginsFolder() << '\n';
            return 1;
        }
        for (const auto& plugin : host.Plugins()) {
            std::cout << "Plug-in " << plugin->properties.name << " (" << plugin->path << ")\n"
                      << "  state: " << StateText(plugin->state);
            if (plugin->state == PluginState::StartupFailed)
                std::cout << " with " << pd::CodeText(plugin->startupResult);
            std::cout << "\n  name given to the host: " << (plugin->name.empty() ? "(none)" : plugin->name) << '\n'
                      << "  suites held: " << host.Suites().HeldCount(plugin.get()) << '\n'
                      << "  kept loaded: " << (plugin->lockCount > 0 ? "yes" : "no") << '\n';
            for (const auto& notifier : host.Notifiers())
                if (notifier->plugin == plugin.get())
                    std::cout << "  notifier \"" << notifier->name << "\" for \"" << notifier->type << "\"\n";
            if (plugin->state == PluginState::StartupFailed) ++problems;
        }
        std::cout << "Panel service: " << wirelet::PanelBus::Shared().ListenerCount() << " listener(s) registered\n";
        for (const auto& violation : host.GetChecks().Violations()) std::cout << "Host check: " << violation << '\n';
    }
    std::cout << "Shut down.\n";
    return problems == 0 ? 0 : 1;
}

}  // namespace pendrake
