// PluginMain: creates and destroys the plug-in object, keeps it in the host's globals slot between calls, and
// hands every other message to it. No exception leaves this function.
#include "PluginMain.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "Edition.h"
#include "Plugin.h"
#include "Suites.h"
#include "pendrake/IPDError.h"

namespace {

bool Is(const char* text, const char* expected) noexcept { return text && std::strcmp(text, expected) == 0; }

const char* Printable(const char* text) noexcept { return text ? text : "(null)"; }

ZBErr RouteMessage(const char* caller, const char* selector, void* message)
{
    auto* header = static_cast<ZBMessageData*>(message);
    auto* interfaceMessage = static_cast<ZBInterfaceMessage*>(message);
    sZBBasic = header->basic;
    auto* plugin = static_cast<Plugin*>(header->globals);
    ZBErr result = kNoErr;

    if (Is(caller, kZBInterfaceCaller)) {
        if (Is(selector, kZBStartupSelector)) {
            plugin = AllocatePlugin(header->self);
            if (!plugin) {
                result = kOutOfMemoryErr;
            } else {
                header->globals = plugin;
                try {
                    result = plugin->StartupPlugin(interfaceMessage);
                } catch (...) {
                    // A start-up that throws leaves no object behind either; the code is mapped by PluginMain.
                    delete plugin;
                    header->globals = nullptr;
                    throw;
                }
                if (result != kNoErr) {
                    delete plugin;
                    plugin = nullptr;
                    header->globals = nullptr;
                }
            }
        } else if (Is(selector, kZBShutdownSelector) && plugin) {
            plugin->ShutdownPlugin(interfaceMessage);
            delete plugin;
            plugin = nullptr;
            header->globals = nullptr;
        }
    }

    if (plugin) {
        if (Plugin::IsReloadMsg(caller, selector)) {
            FixupReload(plugin);
            result = plugin->ReloadPlugin(interfaceMessage);
        } else {
            result = plugin->HoldsSuites() ? plugin->Message(caller, selector, message) : kNoErr;
        }
        if (result == kUnhandledMsgErr) {
            if constexpr (kWarnUnhandledMessages) {
                std::fprintf(stderr, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n",
                             Printable(caller), Printable(selector));
            }
            result = kNoErr;
        }
    }

    if (result != kNoErr) {
        if (plugin) {
            plugin->ReportError(result, caller, selector, message);
        } else {
            Plugin::DefaultError(header->self, result);
        }
    }
    return result;
}

}  // namespace

extern "C" ZBErr PluginMain(const char* caller, const char* selector, void* message)
{
    return pd::CodeOfWork([&]() -> ZBErr {
        // Every message record starts with the common header; without one there is nothing to act on.
        if (!message) return kBadParameterErr;
        return RouteMessage(caller, selector, message);
    });
}
