// The output side's start-up: the cutting application's path, then the cut data file name.
#include "CutOutputPaths.h"
#include "TalvexGlimtUIController.h"

void TalvexGlimtUIController::InitCutOutput()
{
    FindTalvexPath();
    MakeCutFileName();
}
