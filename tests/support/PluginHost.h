// A host substitute with one built plug-in module loaded and the panel service linked, as the contract tests use
// it. The panel bus is emptied before and after.
#ifndef TESTS_SUPPORT_PLUGINHOST_H
#define TESTS_SUPPORT_PLUGINHOST_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "host/Host.h"
#include "wirelet/PanelBus.h"

namespace testing_support {

class PluginHost {
public:
    // folders: the host folders by type number (where the panel service library is looked for). Without
    // linkPanelService the panel service keeps the listeners of a plug-in that is shut down.
    PluginHost(const std::string& modulePath, const std::map<int32_t, std::string>& folders,
               bool linkPanelService = true);
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    host::Host& Host() { return *fHost; }
    ZBPlugin* Plugin() { return fPlugin; }
    wirelet::PanelBus& Bus() { return wirelet::PanelBus::Shared(); }

    // Host objects the plug-in still holds: suites, strings, paths, blocks, lists, parameter blocks, contexts;
    // empty when none.
    std::string Leftovers();

protected:
    std::unique_ptr<host::Host> fHost;
    ZBPlugin* fPlugin = nullptr;
};

}  // namespace testing_support

#endif
