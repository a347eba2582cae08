// The frame of every suite function: find the host, apply an injected fault, log the call, check that it runs
// on behalf of a plug-in, and turn any exception into an error code so that none reaches plug-in code.
#ifndef HOST_SUITES_HOSTCALL_H
#define HOST_SUITES_HOSTCALL_H

#include <new>
#include <string>
#include <utility>

#include "host/Host.h"
#include "pendrake/ZBErrors.h"

namespace host {

// The plug-in name of a call made outside any plug-in.
inline const std::string kNoPluginName;

// The name a plug-in's calls are recorded under, null for none.
inline const std::string* NameOf(const ZBPlugin* plugin)
{
    if (!plugin) return nullptr;
    return plugin->name.empty() ? &plugin->properties.name : &plugin->name;
}

// Runs body(host) for a suite operation; body returns a ZBErr. An operation that names the plug-in it acts
// for (owner: e.g. the plug-in of a notifier) may also be called outside any message or context, as from a panel
// listener; it is then recorded for that plug-in.
template <typename Body>
ZBErr HostCallFor(const char* operation, const ZBPlugin* owner, Body&& body) noexcept
{
    Host* host = Host::Current();
    if (!host) return kCantHappenErr;
    try {
        // The name is referred to, not copied: it is read only before body runs.
        const std::string* name = NameOf(host->ActivePlugin());
        if ((!name || name->empty()) && owner && host->IsKnown(owner)) name = NameOf(owner);
        const std::string& plugin = name ? *name : kNoPluginName;
        host->GetChecks().Note(operation, plugin);
        if (plugin.empty())
            host->GetChecks().Violation(std::string(operation) + " called outside a message or application context");
        if (const ZBErr fault = host->GetFaults().Take(operation)) return fault;
        return body(*host);
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    } catch (...) {
        return kCantHappenErr;
    }
}

template <typename Body>
ZBErr HostCall(const char* operation, Body&& body) noexcept
{
    return HostCallFor(operation, nullptr, std::forward<Body>(body));
}

// For operations that answer a boolean: failure and faults answer false.
template <typename Body>
ZBBoolean HostQuery(const char* operation, Body&& body) noexcept
{
    ZBBoolean answer = 0;
    HostCall(operation, [&](Host& host) {
        answer = body(host) ? 1 : 0;
        return kNoErr;
    });
    return answer;
}

// Runs body(host, string) for an operation on a string; an unknown handle is refused and recorded.
template <typename Body>
ZBErr WithString(const char* operation, PDUnicodeStringRef handle, Body&& body) noexcept
{
    return HostCall(operation, [&](Host& host) {
        PDUnicodeStringOpaque* string = host.FindString(handle);
        if (!string) {
            host.GetChecks().Violation(std::string(operation) + " with an unknown string");
            return kBadObjectErr;
        }
        return body(host, *string);
    });
}

}  // namespace host

#endif
