#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/ZBAccess.h"

namespace host {
namespace {

ZBPlugin* PluginOf(Host& host, ZBAccessRef access)
{
    for (const auto& plugin : host.Plugins())
        if (&plugin->access == access) return plugin.get();
    return nullptr;
}

ZBErr AcquirePlugin(ZBPlugin* plugin, ZBAccessRef* access)
{
    return HostCall("AcquirePlugin", [&](Host& host) {
        if (!host.IsKnown(plugin) || !access) return kBadParameterErr;
        ++plugin->lockCount;
        *access = &plugin->access;
        return kNoErr;
    });
}

ZBErr ReleasePlugin(ZBAccessRef access)
{
    return HostCall("ReleasePlugin", [&](Host& host) {
        ZBPlugin* plugin = PluginOf(host, access);
        if (!plugin || plugin->lockCount == 0) {
            host.GetChecks().Violation("ReleasePlugin of a lock that is not held");
            return kBadObjectErr;
        }
        --plugin->lockCount;
        return kNoErr;
    });
}

ZBErr GetPluginAccess(ZBPlugin* plugin, ZBAccessRef* access)
{
    return HostCall("GetPluginAccess", [&](Host& host) {
        if (!host.IsKnown(plugin) || !access) return kBadParameterErr;
        *access = &plugin->access;
        return kNoErr;
    });
}

ZBErr IsAccessLoaded(ZBAccessRef access, ZBBoolean* isLoaded)
{
    return HostCall("IsAccessLoaded", [&](Host& host) {
        ZBPlugin* plugin = PluginOf(host, access);
        if (!plugin || !isLoaded) return kBadObjectErr;
        *isLoaded = plugin->module ? 1 : 0;
        return kNoErr;
    });
}

ZBErr GetAccessLockCount(ZBAccessRef access, int32_t* count)
{
    return HostCall("GetAccessLockCount", [&](Host& host) {
        ZBPlugin* plugin = PluginOf(host, access);
        if (!plugin || !count) return kBadObjectErr;
        *count = plugin->lockCount;
        return kNoErr;
    });
}

ZBErr GetAccessPlugin(ZBAccessRef access, ZBPlugin** result)
{
    return HostCall("GetAccessPlugin", [&](Host& host) {
        ZBPlugin* plugin = PluginOf(host, access);
        if (!plugin || !result) return kBadObjectErr;
        *result = plugin;
        return kNoErr;
    });
}

ZBErr GetPlatformAccessInfo(ZBAccessRef access, ZBPlatformAccessInfo* info)
{
    return HostCall("GetPlatformAccessInfo", [&](Host& host) {
        ZBPlugin* plugin = PluginOf(host, access);
        if (!plugin || !info) return kBadObjectErr;
        info->module = plugin->module;
        info->path = plugin->path.c_str();
        return kNoErr;
    });
}

const ZBAccessSuite3 kAccessSuite = {AcquirePlugin,      ReleasePlugin,   GetPluginAccess,      IsAccessLoaded,
                                     GetAccessLockCount, GetAccessPlugin, GetPlatformAccessInfo};

}  // namespace

void OfferAccessSuite(SuiteRegistry& registry)
{
    registry.Offer(kZBAccessSuite, kZBAccessSuiteVersion3, &kAccessSuite);
}

}  // namespace host
