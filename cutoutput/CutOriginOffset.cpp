#include "CutOriginOffset.h"

#include "CropFrame.h"
#include "CropSettings.h"
#include "TalvexPluginDialogSuites.h"

namespace {

PDRealPoint DocumentOrigin() noexcept
{
    PDRealPoint origin = {0, 0};
    PDRealPoint queried = {0, 0};
    if (sPDDocument && sPDDocument->GetDocumentOrigin(&queried) == kNoErr) origin = queried;
    return origin;
}

double PageHeight() noexcept
{
    PDDocumentSetup setup{};
    if (sPDDocument && sPDDocument->GetDocumentSetup(&setup) == kNoErr) return static_cast<double>(setup.height);
    return 0;
}

}  // namespace

PDRealPoint CutOriginOffset(bool cropMarks) noexcept
{
    const PDRealPoint origin = DocumentOrigin();
    double dx = static_cast<double>(origin.h);
    double dy = static_cast<double>(origin.v);
    if (cropMarks) {
        const CropParameterRow& settings = cropParameter;
        dx -= ToPoints(settings.leftMargin);
        if (HangsFromPageTop(settings.machineType)) {
            // The marks hang from the page top: their area ends that far below it. The sum is formed in
            // hundredths of a millimetre, in 64 bits so that no setting can overflow it.
            const int64_t fromTop = int64_t{settings.bottomMargin} + 2 * int64_t{cropRadius} + settings.vertDistance;
            dy -= PageHeight() - ToPoints(fromTop);
        } else {
            dy -= ToPoints(settings.bottomMargin);
            if (IsBottomFour()) {
                // The four-mark frame stands 5 mm further right and up.
                dx -= ToPoints(500);
                dy -= ToPoints(500);
            }
        }
    }
    return {static_cast<PDReal>(dx), static_cast<PDReal>(dy)};
}
