#include "CropFrame.h"

#include "CropSettings.h"
#include "TalvexPluginDialogSuites.h"

namespace {

// The layout follows the machine type alone: KM models three marks at the top, TR-1 three at the bottom,
// TR-2 to TR-5 four.
CropLayout LayoutOfMachineType(int32_t machineType) noexcept
{
    if (machineType == 3) return CropLayout::BottomThree;
    if (machineType >= 4 && machineType <= 7) return CropLayout::BottomFour;
    return CropLayout::TopThree;
}

// The layout follows the user's crop count on bottom-standing models; any other count, and every top-hanging
// model, gives three marks at the top.
CropLayout LayoutOfCropCount(int32_t machineType, int32_t cropCount) noexcept
{
    if (!IsMachineType(machineType) || machineTypeInfoTable[machineType].origin != kOriginBottom)
        return CropLayout::TopThree;
    if (cropCount == 3) return CropLayout::BottomThree;
    if (cropCount == 4) return CropLayout::BottomFour;
    return CropLayout::TopThree;
}

// Whether the frame of this machine type hangs from the page top, and so needs the page height.
bool HangsFromPageTop(int32_t machineType) noexcept
{
    // The test is on the number, not on the model's origin; for the fixed table both agree.
    if (kMacEdition) return machineType <= 2;
    return machineType >= 0 && machineType <= 2;
}

// The page height of the current document; false when the host reports none.
bool PageHeight(CropReal& height) noexcept
{
    PDDocumentSetup setup{};
    if (!sPDDocument || sPDDocument->GetDocumentSetup(&setup) != kNoErr) return false;
    height = setup.height;
    return true;
}

// Where the marks stand, in hundredths of a millimetre, in 64 bits so that sums of stored values cannot
// overflow. The circles cover an area one mark radius wider than the frame on every side; that area stands
// leftMargin from the page's left edge and bottomMargin from its bottom edge, or from its top edge when the
// frame hangs from the page top; the four-mark layout moves everything a further shift right and up.
struct CropPlacement {
    bool fromPageTop;
    int64_t radius;
    int64_t leftMargin;
    int64_t edgeMargin;  // to the page's bottom edge, or to its top edge when fromPageTop
    int64_t width;       // the frame's, centre to centre
    int64_t height;
    int64_t shift;  // 0 outside the four-mark layout
};

CropPlacement CurrentPlacement() noexcept
{
    const CropParameterRow& settings = cropParameter;
    const bool fromPageTop = HangsFromPageTop(settings.machineType);
    const bool shifted = !fromPageTop && SelectCropLayout() == CropLayout::BottomFour;
    return {fromPageTop,
            cropRadius,
            settings.leftMargin,
            settings.bottomMargin,
            settings.horzDistance,
            settings.vertDistance,
            shifted ? kBottomFourShift : 0};
}

}  // namespace

CropLayout SelectCropLayout() noexcept
{
    if (kHasCropCount) return LayoutOfCropCount(cropParameter.machineType, cropParameter.cropCount);
    return LayoutOfMachineType(cropParameter.machineType);
}

bool GetCropmarkCorner(CropFrame* frame) noexcept
{
    if (!frame) return false;
    const CropPlacement place = CurrentPlacement();
    // The integers are added first; then each length is rounded to the edition's real type on its own.
    CropReal left = ToEditionPoints(place.radius + place.leftMargin);
    CropReal right = left + ToEditionPoints(place.width);
    CropReal top = 0;
    CropReal bottom = 0;
    if (place.fromPageTop) {
        CropReal height = 0;
        if (!PageHeight(height)) return false;
        top = height - ToEditionPoints(place.radius + place.edgeMargin);
        bottom = top - ToEditionPoints(place.height);
    } else {
        bottom = ToEditionPoints(place.radius + place.edgeMargin);
        top = bottom + ToEditionPoints(place.height);
    }
    if (place.shift != 0) {
        const CropReal shift = ToEditionPoints(place.shift);
        left += shift;
        right += shift;
        top += shift;
        bottom += shift;
    }
    *frame = {left, top, right, bottom};
    return true;
}

void GetCropOffset(PDRealPoint* offset) noexcept
{
    if (!offset) return;
    const CropPlacement place = CurrentPlacement();
    const CropReal edge = ToEditionPoints(place.edgeMargin);
    offset->h = -ToEditionPoints(place.leftMargin);
    offset->v = place.fromPageTop ? edge : -edge;
}

bool PageToCropArea(double& h, double& v) noexcept
{
    const CropPlacement place = CurrentPlacement();
    // The steps in this order, each length converted on its own: the cut data file's coordinates depend on it.
    h -= ToPoints(place.leftMargin);
    if (place.fromPageTop) {
        // The area's lower side lies its whole height below the page top: the top margin, the frame's height
        // and a mark radius above and below it.
        CropReal height = 0;
        if (!PageHeight(height)) return false;
        v -= static_cast<double>(height) - ToPoints(place.edgeMargin + 2 * place.radius + place.height);
    } else {
        v -= ToPoints(place.edgeMargin);
    }
    if (place.shift != 0) {
        h -= ToPoints(place.shift);
        v -= ToPoints(place.shift);
    }
    return true;
}
