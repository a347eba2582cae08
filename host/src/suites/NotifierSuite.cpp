#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/PDNotifier.h"

namespace host {
namespace {

ZBErr AddNotifier(ZBPlugin* plugin, const char* name, const char* type, PDNotifierHandle* notifier)
{
    return HostCallFor("AddNotifier", plugin, [&](Host& host) {
        if (!host.IsKnown(plugin) || !name || !type) return kBadParameterErr;
        PDNotifierOpaque* added = host.AddNotifier(plugin, name, type);
        if (notifier) *notifier = added;
        return kNoErr;
    });
}

// Runs body on the host's notifier behind handle; unknown handles are refused.
// A notifier's own plug-in may switch and read it from outside a message, as eventbridge does from its panel
// listeners.
template <typename Body>
ZBErr WithNotifier(const char* operation, PDNotifierHandle handle, Body&& body)
{
    const Host* current = Host::Current();
    const PDNotifierOpaque* owned = current ? current->FindNotifier(handle) : nullptr;
    return HostCallFor(operation, owned ? owned->plugin : nullptr, [&](Host& host) {
        PDNotifierOpaque* notifier = host.FindNotifier(handle);
        if (!notifier) {
            host.GetChecks().Violation(std::string(operation) + " with an unknown notifier");
            return kBadObjectErr;
        }
        return body(*notifier);
    });
}

ZBErr GetNotifierName(PDNotifierHandle handle, const char** name)
{
    return WithNotifier("GetNotifierName", handle, [&](PDNotifierOpaque& notifier) {
        if (!name) return kBadParameterErr;
        *name = notifier.name.c_str();
        return kNoErr;
    });
}

ZBErr GetNotifierType(PDNotifierHandle handle, const char** type)
{
    return WithNotifier("GetNotifierType", handle, [&](PDNotifierOpaque& notifier) {
        if (!type) return kBadParameterErr;
        *type = notifier.type.c_str();
        return kNoErr;
    });
}

ZBErr IsNotifierActive(PDNotifierHandle handle, ZBBoolean* active)
{
    return WithNotifier("IsNotifierActive", handle, [&](PDNotifierOpaque& notifier) {
        if (!active) return kBadParameterErr;
        *active = notifier.active ? 1 : 0;
        return kNoErr;
    });
}

ZBErr SetNotifierActive(PDNotifierHandle handle, ZBBoolean active)
{
    return WithNotifier("SetNotifierActive", handle, [&](PDNotifierOpaque& notifier) {
        notifier.active = active != 0;
        return kNoErr;
    });
}

ZBErr GetNotifierPlugin(PDNotifierHandle handle, ZBPlugin** plugin)
{
    return WithNotifier("GetNotifierPlugin", handle, [&](PDNotifierOpaque& notifier) {
        if (!plugin) return kBadParameterErr;
        *plugin = notifier.plugin;
        return kNoErr;
    });
}

ZBErr CountNotifiers(int32_t* count)
{
    return HostCall("CountNotifiers", [&](Host& host) {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.NotifierCount());
        return kNoErr;
    });
}

ZBErr GetNthNotifier(int32_t n, PDNotifierHandle* notifier)
{
    return HostCall("GetNthNotifier", [&](Host& host) {
        PDNotifierOpaque* nth = n < 0 ? nullptr : host.NthNotifier(static_cast<std::size_t>(n));
        if (!notifier || !nth) return kBadParameterErr;
        *notifier = nth;
        return kNoErr;
    });
}

const PDNotifierSuite4 kNotifierSuite = {AddNotifier,       GetNotifierName,   GetNotifierType, IsNotifierActive,
                                         SetNotifierActive, GetNotifierPlugin, CountNotifiers,  GetNthNotifier};

}  // namespace

void OfferNotifierSuite(SuiteRegistry& registry)
{
    for (int32_t version : {kPDNotifierSuiteVersion3, kPDNotifierSuiteVersion4, kPDNotifierSuiteVersion1003})
        registry.Offer(kPDNotifierSuite, version, &kNotifierSuite);
}

}  // namespace host
