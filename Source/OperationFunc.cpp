// OperationFunc: the entry through which the panel service library delivers "OperationClicked" events.
#include <new>

#include "AppContext.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogPlugin.h"
#include "pendrake/IPDError.h"

namespace {

// A failure inside a panel event has no caller to return to; it is reported like a failed message.
void ReportListenerError(ZBErr code) noexcept
{
    try {
        if (gPlugin) {
            gPlugin->ReportError(code, nullptr, nullptr, nullptr);
        } else {
            Plugin::DefaultError(nullptr, code);
        }
    } catch (...) {
        // A report that fails is dropped: nothing may leave the listener.
    }
}

}  // namespace

extern "C" void OperationFunc(const trml::event::Event* event, void* context)
{
    if (!event || !context) return;
    const ZBErr result = pd::CodeOfWork([&] {
        const AppContext appContext(gPlugin ? gPlugin->GetPluginRef() : nullptr);
        static_cast<TalvexGlimtUIController*>(context)->ExecuteCommand(event);
        return kNoErr;
    });
    if (result != kNoErr) ReportListenerError(result);
}
