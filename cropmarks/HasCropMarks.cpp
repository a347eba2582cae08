#include "CropMarkObjects.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/ZBErrors.h"

bool TalvexGlimtUIController::HasCropMarks()
{
    bool present = false;
    if (FindCropMarks(present)) return present;
    // Without a document there are no marks. A document the host cannot answer for may hold a set: building
    // another beside it would give the cutter two.
    PDDocumentHandle document = nullptr;
    if (sPDDocument && sPDDocument->GetDocument(&document) == kNoErr) throw pd::Error(kCantHappenErr);
    return false;
}
