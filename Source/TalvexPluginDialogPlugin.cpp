#include "TalvexPluginDialogPlugin.h"

#include <new>

#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"

TalvexPluginDialogPlugin* gPlugin = nullptr;

TalvexPluginDialogPlugin::TalvexPluginDialogPlugin(ZBPlugin* pluginRef) noexcept
    : Plugin(pluginRef),
      fController(nullptr),
      fShutdownNotifier(nullptr),
      fSelectionNotifier(nullptr),
      fSetupNotifier(nullptr)
{
}

TalvexPluginDialogPlugin::~TalvexPluginDialogPlugin()
{
    delete fController;
    if (gPlugin == this) gPlugin = nullptr;
}

ZBErr TalvexPluginDialogPlugin::StartupPlugin(ZBInterfaceMessage* message)
{
    if (const ZBErr error = Plugin::StartupPlugin(message)) return error;

    if (!fController) {
        fController = new (std::nothrow) TalvexGlimtUIController;
        if (!fController) return kOutOfMemoryErr;
        LockPlugin(true);
    }

    if (!sPDNotifier) return kCantHappenErr;
    const struct {
        const char* name;
        const char* type;
        PDNotifierHandle* handle;
    } notifiers[] = {
        {"ThisPlugin_Shutdown PD Application Shutdown Notifier", kPDApplicationShutdownNotifier, &fShutdownNotifier},
        {"ThisPlugin_Redraw", kPDArtSelectionChangedNotifier, &fSelectionNotifier},
        {"Register Event Notify", kPDWireletSetupCompleteNotifier, &fSetupNotifier},
    };
    for (const auto& notifier : notifiers) {
        if (const ZBErr error = sPDNotifier->AddNotifier(GetPluginRef(), notifier.name, notifier.type, notifier.handle))
            return error;
    }

    if (sPDPlugin) sPDPlugin->SetPluginOptions(GetPluginRef(), 0);  // the host's business; the result is not used
    return kNoErr;
}

ZBErr TalvexPluginDialogPlugin::ShutdownPlugin(ZBInterfaceMessage* message)
{
    delete fController;  // unbinds the panel service library
    fController = nullptr;
    if (message) message->d.globals = nullptr;
    return Plugin::ShutdownPlugin(message);
}

ZBErr TalvexPluginDialogPlugin::Message(const char* caller, const char* selector, void* message)
{
    // An allocation failure is reported as '!MEM' like everywhere else, not as an unexpected exception.
    const ZBErr result = pd::CodeOfWork([&] { return Plugin::Message(caller, selector, message); });
    if (result == kNoErr || result == kUnhandledMsgErr) return kNoErr;
    ReportError(result, caller, selector, message);
    return result;
}

ZBErr TalvexPluginDialogPlugin::SetGlobal(Plugin* plugin)
{
    gPlugin = static_cast<TalvexPluginDialogPlugin*>(plugin);
    return kNoErr;
}

ZBErr TalvexPluginDialogPlugin::Notify(PDNotifierMessage* message)
{
    if (!message || !message->notifier || !fController) return kNoErr;
    if (message->notifier == fSetupNotifier) {
        fController->RegisterTRMLEventListeners();
    } else if (message->notifier == fSelectionNotifier) {
        fController->RedrawPreview();
    }
    return kNoErr;
}
