#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/PDContext.h"

namespace host {
namespace {

ZBErr PushAppContext(ZBPlugin* plugin, PDAppContextHandle* saved)
{
    Host* host = Host::Current();
    if (!host) return kCantHappenErr;
    // A push is how a plug-in enters the host outside a message, so it is never a call out of context itself.
    if (const ZBErr fault = host->GetFaults().Take("PushAppContext")) {
        host->NoteRefusedContext();
        return fault;
    }
    if (!host->IsKnown(plugin) || !saved) {
        host->NoteRefusedContext();
        return kBadParameterErr;
    }
    host->GetChecks().Note("PushAppContext", plugin->properties.name);
    *saved = host->PushContext(plugin);
    return kNoErr;
}

ZBErr PopAppContext(PDAppContextHandle saved)
{
    return HostCall("PopAppContext", [&](Host& host) {
        if (!host.PopContext(saved)) {
            host.GetChecks().Violation("PopAppContext with a context that is not the innermost push");
            return kBadParameterErr;
        }
        return kNoErr;
    });
}

const PDContextSuite7 kContextSuite = {PushAppContext, PopAppContext};

}  // namespace

void OfferContextSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDContextSuite, kPDContextSuiteVersion7, &kContextSuite);
    registry.Offer(kPDContextSuite, kPDContextSuiteVersion1006, &kContextSuite);
}

}  // namespace host
