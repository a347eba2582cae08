#include "CutOriginOffset.h"

#include "CropFrame.h"
#include "TalvexPluginDialogSuites.h"

namespace {

PDRealPoint DocumentOrigin() noexcept
{
    PDRealPoint origin = {0, 0};
    PDRealPoint queried = {0, 0};
    if (sPDDocument && sPDDocument->GetDocumentOrigin(&queried) == kNoErr) origin = queried;
    return origin;
}

}  // namespace

PDRealPoint CutOriginOffset(bool cropMarks) noexcept
{
    // Artwork coordinates plus documentOrigin are page coordinates; the crop frame takes them on to the marks.
    const PDRealPoint origin = DocumentOrigin();
    double dx = static_cast<double>(origin.h);
    double dy = static_cast<double>(origin.v);
    if (cropMarks) PageToCropArea(dx, dy);
    return {static_cast<PDReal>(dx), static_cast<PDReal>(dy)};
}
