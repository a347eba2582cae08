// Text into outlines: the host's action works on the current selection.
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "pendrake/PDActionManager.h"

void TalvexGlimtUIController::CreateOutline() { PlayHostAction("velisto_createOutline", kPDDialogOff, nullptr); }
