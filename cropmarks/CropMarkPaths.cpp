#include "CropMarkObjects.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"

bool CurrentDocumentOrigin(PDRealPoint& origin) noexcept
{
    PDDocumentHandle document = nullptr;
    if (!sPDDocument || !sPDArt || !sPDPath || !sPDPathStyle || !sPDTag) return false;
    if (sPDDocument->GetDocument(&document) != kNoErr) return false;
    origin = {0, 0};
    PDRealPoint queried = {0, 0};
    if (sPDDocument->GetDocumentOrigin(&queried) == kNoErr) origin = queried;
    return true;
}

PDArtHandle NewCropMarkPath() noexcept
{
    PDArtHandle art = nullptr;
    if (sPDArt->NewArt(kPDPathArt, kPDPlaceBelowAll, nullptr, &art) != kNoErr) return nullptr;
    return art;
}
