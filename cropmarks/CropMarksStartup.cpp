// The crop side's start-up: the model tables and the crop settings, read from the preference store on the
// plug-in's behalf.
#include "AppContext.h"
#include "CropSettings.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogPlugin.h"

void TalvexGlimtUIController::InitCropSettings()
{
    const AppContext appContext(gPlugin ? gPlugin->GetPluginRef() : nullptr);
    LoadCropSettings();
}
