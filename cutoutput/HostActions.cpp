#include "HostActions.h"

#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDActionManager.h"

ActionParams::ActionParams() noexcept
{
    PDActionParamValueRef params = nullptr;
    if (sPDActionManager && sPDActionManager->NewActionParamValue(&params) == kNoErr) fParams = params;
}

ActionParams::~ActionParams()
{
    if (fParams && sPDActionManager) sPDActionManager->DeleteActionParamValue(fParams);
}

void PlayHostAction(const char* name, int32_t dialogStatus, PDActionParamValueRef params) noexcept
{
    if (sPDActionManager) sPDActionManager->PlayActionEvent(name, dialogStatus, params);
}
