#include "HostActions.h"

#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/ZBErrors.h"

ActionParams::ActionParams() noexcept
{
    PDActionParamValueRef params = nullptr;
    if (sPDActionManager && sPDActionManager->NewActionParamValue(&params) == kNoErr) fParams = params;
}

ActionParams::~ActionParams()
{
    if (fParams && sPDActionManager) sPDActionManager->DeleteActionParamValue(fParams);
}

void PlayHostAction(const char* name, int32_t dialogStatus, PDActionParamValueRef params)
{
    if (!sPDActionManager) throw pd::Error(kCantHappenErr);
    const ZBErr result = sPDActionManager->PlayActionEvent(name, dialogStatus, params);
    if (result != kNoErr) throw pd::Error(result);
}
