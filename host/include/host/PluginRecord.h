// What the host keeps for each plug-in module it has loaded. Plug-ins see only a ZBPlugin pointer.
#ifndef HOST_PLUGINRECORD_H
#define HOST_PLUGINRECORD_H

#include <string>

#include "host/Pipl.h"
#include "pendrake/ZBPlugin.h"
#include "platform/Platform.h"

enum class PluginState {
    Loaded,         // found and loaded, not started
    Started,        // "Startup" answered 0
    StartupFailed,  // "Startup" answered an error; the plug-in gets no further messages
    ShutDown        // "Shutdown" sent
};

struct ZBAccessOpaque {
    ZBPlugin* plugin;
};

struct ZBPlugin {
    std::string path;                         // the module file
    host::PluginProperties properties;        // read from the file before loading
    platform::ModuleHandle module = nullptr;  // null while the code is unloaded
    ZBPluginMainProc entry = nullptr;
    std::string name;         // as set through the Plug-ins suite
    void* globals = nullptr;  // the message header's globals slot, kept between calls
    PluginState state = PluginState::Loaded;
    ZBErr startupResult = 0;
    int32_t lockCount = 0;  // locks of the Access suite
    int32_t options = 0;    // Plugin suite options
    int32_t setOptionsCalls = 0;
    ZBAccessOpaque access{this};
};

#endif
