#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/PDPlugin.h"
#include "pendrake/ZBPlugins.h"

namespace host {
namespace {

ZBErr SetPluginName(ZBPlugin* plugin, const char* name)
{
    return HostCall("SetPluginName", [&](Host& host) {
        if (!host.IsKnown(plugin) || !name) return kBadParameterErr;
        plugin->name = name;
        return kNoErr;
    });
}

ZBErr GetPluginName(ZBPlugin* plugin, const char** name)
{
    return HostCall("GetPluginName", [&](Host& host) {
        if (!host.IsKnown(plugin) || !name) return kBadParameterErr;
        *name = plugin->name.c_str();
        return kNoErr;
    });
}

ZBErr CountPlugins(int32_t* count)
{
    return HostCall("CountPlugins", [&](Host& host) {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.Plugins().size());
        return kNoErr;
    });
}

ZBErr GetNthPlugin(int32_t n, ZBPlugin** plugin)
{
    return HostCall("GetNthPlugin", [&](Host& host) {
        if (!plugin || n < 0 || static_cast<std::size_t>(n) >= host.Plugins().size()) return kBadParameterErr;
        *plugin = host.Plugins()[static_cast<std::size_t>(n)].get();
        return kNoErr;
    });
}

ZBErr GetPluginOptions(ZBPlugin* plugin, int32_t* options)
{
    return HostCall("GetPluginOptions", [&](Host& host) {
        if (!host.IsKnown(plugin) || !options) return kBadParameterErr;
        *options = plugin->options;
        return kNoErr;
    });
}

ZBErr SetPluginOptions(ZBPlugin* plugin, int32_t options)
{
    return HostCall("SetPluginOptions", [&](Host& host) {
        if (!host.IsKnown(plugin)) return kBadParameterErr;
        plugin->options = options;
        ++plugin->setOptionsCalls;
        return kNoErr;
    });
}

const ZBPluginsSuite4 kPluginsSuite = {SetPluginName, GetPluginName, CountPlugins, GetNthPlugin};
const PDPluginSuite5 kPluginSuite = {GetPluginOptions, SetPluginOptions};

}  // namespace

void OfferPluginsSuite(SuiteRegistry& registry)
{
    registry.Offer(kZBPluginsSuite, kZBPluginsSuiteVersion4, &kPluginsSuite);
}

void OfferPluginSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDPluginSuite, kPDPluginSuiteVersion5, &kPluginSuite);
    registry.Offer(kPDPluginSuite, kPDPluginSuiteVersion1004, &kPluginSuite);
}

}  // namespace host
