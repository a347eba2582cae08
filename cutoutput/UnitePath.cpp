// Overlapping shapes united. Hosts other than versions 8 and 9 need a second pass with no expansion.
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/ZBErrors.h"

void TalvexGlimtUIController::UnitePath()
{
    PlayHostAction("pd_plugin_pathfinder", kPDDialogOff, nullptr);
    int32_t version = 0;  // a host that cannot say gets the second pass
    if (sPDRuntime) sPDRuntime->GetAppMajorVersion(&version);
    if (version == 8 || version == 9) return;
    const ActionParams params;
    // The second pass means nothing without its parameter; the first has happened, and the user is told.
    if (!params.Get() || sPDActionManager->SetReal(params.Get(), kPDPathfinderExpandKey, 0.0) != kNoErr)
        throw pd::Error(kCantHappenErr);
    PlayHostAction("pd_plugin_pathfinder", kPDDialogOff, params.Get());
}
