#include "CropFrame.h"
#include "CropSettings.h"

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

}  // namespace

CropLayout SelectCropLayout() noexcept
{
    if (kHasCropCount) return LayoutOfCropCount(cropParameter.machineType, cropParameter.cropCount);
    return LayoutOfMachineType(cropParameter.machineType);
}

bool IsBottomFour() noexcept { return SelectCropLayout() == CropLayout::BottomFour; }
