#include "CropFrame.h"
#include "CropSettings.h"
#include "TalvexPluginDialogSuites.h"

namespace {

// The page height of the current document; false when the host reports none.
bool PageHeight(CropReal& height) noexcept
{
    PDDocumentSetup setup{};
    if (!sPDDocument || sPDDocument->GetDocumentSetup(&setup) != kNoErr) return false;
    height = setup.height;
    return true;
}

}  // namespace

bool HangsFromPageTop(int32_t machineType) noexcept
{
    // The test is on the number, not on the model's origin; for the fixed table both agree.
    if (kMacEdition) return machineType <= 2;
    return machineType >= 0 && machineType <= 2;
}

bool GetCropmarkCorner(CropFrame* frame) noexcept
{
    if (!frame) return false;
    const CropParameterRow& settings = cropParameter;
    // The integers are added first, in 64 bits so that no stored value can overflow.
    const int64_t radius = cropRadius;
    CropReal left = ToEditionPoints(radius + settings.leftMargin);
    CropReal right = left + ToEditionPoints(settings.horzDistance);
    CropReal top = 0;
    CropReal bottom = 0;
    if (HangsFromPageTop(settings.machineType)) {
        CropReal height = 0;
        if (!PageHeight(height)) return false;
        top = height - ToEditionPoints(radius + settings.bottomMargin);
        bottom = top - ToEditionPoints(settings.vertDistance);
    } else {
        bottom = ToEditionPoints(radius + settings.bottomMargin);
        top = bottom + ToEditionPoints(settings.vertDistance);
        if (IsBottomFour()) {
            // 5 mm right and up: the corner brackets' outer ends then lie leftMargin and bottomMargin from the
            // page's edges.
            const CropReal shift = ToEditionPoints(500);
            left += shift;
            right += shift;
            top += shift;
            bottom += shift;
        }
    }
    *frame = {left, top, right, bottom};
    return true;
}

void GetCropOffset(PDRealPoint* offset) noexcept
{
    if (!offset) return;
    const CropReal bottom = ToEditionPoints(cropParameter.bottomMargin);
    offset->h = -ToEditionPoints(cropParameter.leftMargin);
    offset->v = HangsFromPageTop(cropParameter.machineType) ? bottom : -bottom;
}
