// OperationFunc: the entry through which the panel service library delivers "OperationClicked" events.
#include <new>
#include <string>

#include "AppContext.h"
#include "Suites.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogPlugin.h"
#include "pendrake/IPDError.h"

namespace {

// A failure inside a panel event has no caller to return to: it is reported like a failed message, and the user
// is told, since the panel would otherwise show an operation that did not happen as done.
void ReportListenerError(ZBErr code) noexcept
{
    try {
        if (gPlugin) {
            gPlugin->ReportError(code, nullptr, nullptr, nullptr);
        } else {
            Plugin::DefaultError(nullptr, code);
        }
        if (Plugin::FilterError(code) || !sPDUser || !sPDUser->ErrorAlert) return;
        const std::string text =
            "The operation could not be carried out: the host reported the error " + pd::CodeText(code) + ".";
        sPDUser->ErrorAlert(text.c_str());
    } catch (...) {
        // A report that fails is dropped: nothing may leave the listener.
    }
}

}  // namespace

extern "C" void OperationFunc(const trml::event::Event* event, void* context)
{
    if (!event || !context) return;
    try {
        const AppContext appContext(gPlugin ? gPlugin->GetPluginRef() : nullptr);
        // A panel event arrives outside any message: without the plug-in's context every host call would be
        // refused, and an operation carried out halfway would leave the document half changed. The report of a
        // failure needs the host as well, inside the same context.
        if (!appContext.Entered()) return;
        const ZBErr result = pd::CodeOfWork([&] {
            static_cast<TalvexGlimtUIController*>(context)->ExecuteCommand(event);
            return kNoErr;
        });
        if (result != kNoErr) ReportListenerError(result);
    } catch (...) {
        // Nothing may leave the listener; entering and leaving the context throw nothing.
    }
}
