#include "CutOriginOffset.h"

#include "CropFrame.h"
#include "CropMarkObjects.h"
#include "TalvexPluginDialogSuites.h"

bool CutOriginOffset(bool cropMarks, PDRealPoint& offset) noexcept
{
    // Artwork coordinates plus documentOrigin are page coordinates; the crop frame takes them on to the marks.
    PDRealPoint origin = {0, 0};
    if (!sPDDocument || sPDDocument->GetDocumentOrigin(&origin) != kNoErr) return false;
    double dx = static_cast<double>(origin.h);
    double dy = static_cast<double>(origin.v);
    if (cropMarks && !PageToCropArea(dx, dy)) return false;
    offset = {static_cast<PDReal>(dx), static_cast<PDReal>(dy)};
    return true;
}

OutputPlacement PlaceOutput() noexcept
{
    OutputPlacement placement;
    placement.placed = FindCropMarks(placement.cropMarks) && CutOriginOffset(placement.cropMarks, placement.offset);
    return placement;
}
