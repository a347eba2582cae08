#include "host/PanelLink.h"

#include "platform/Platform.h"
#include "wirelet/PanelBus.h"

namespace host {

void LinkPanelService(Host& host)
{
    host.SetShutdownObserver([](ZBPlugin& plugin) {
        if (!plugin.module) return;
        wirelet::PanelBus::Shared().RemoveListenersIf([&](TrmlEventListenerFn listener) {
            return platform::AddressInModule(reinterpret_cast<const void*>(listener), plugin.module);
        });
    });
}

}  // namespace host
