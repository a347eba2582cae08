// eventbridge's one exported function: a flat dispatch on the caller and selector, compared with the Basic
// suite's string equality. Only start-up's result ever reaches the host; no exception leaves this function.
#include "AdapterLifecycle.h"
#include "AdapterProtocol.h"
#include "AdapterState.h"
#include "NotifierForwarding.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDNotifier.h"
#include "pendrake/ZBBasic.h"

namespace {

void HandleNotification(const PDNotifierMessage& message)
{
    // The setup notifier announces that the panel service is ready; each announcement registers the request
    // listeners again. Every other notification is a subscribed host event.
    if (gAdapter.fSetupNotifier && message.notifier == gAdapter.fSetupNotifier)
        RegisterRequestListeners();
    else
        ForwardNotification(message);
}

}  // namespace

extern "C" PD_PLUGIN_EXPORT ZBErr PluginMain(const char* caller, const char* selector, void* message)
{
    // Every message record starts with the common header, which brings the Basic suite.
    if (!message) return kBadParameterErr;
    const auto* header = static_cast<const ZBMessageData*>(message);
    if (!header->basic || !header->basic->IsEqual) return kBadParameterErr;
    const auto is = [header](const char* text, const char* name) { return header->basic->IsEqual(text, name) != 0; };

    if (is(caller, kZBInterfaceCaller)) {
        const auto& interfaceMessage = *static_cast<const ZBInterfaceMessage*>(message);
        if (is(selector, kZBStartupSelector)) return pd::CodeOfWork([&] { return AdapterStartup(interfaceMessage); });
        if (is(selector, kZBShutdownSelector)) {
            pd::CodeOfWork([&] {
                AdapterShutdown(interfaceMessage);
                return kNoErr;
            });
        }
        return kNoErr;
    }
    if (is(caller, kPDNotifierCaller) && is(selector, kPDNotifySelector)) {
        pd::CodeOfWork([&] {
            HandleNotification(*static_cast<const PDNotifierMessage*>(message));
            return kNoErr;
        });
    }
    return kNoErr;
}
