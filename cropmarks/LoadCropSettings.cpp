#include "CropSettings.h"

namespace {

// The current settings start as the defaults of TR-1.
constexpr int32_t kStartingModel = 3;

}  // namespace

void LoadCropSettings() noexcept
{
    cropRadius = 500;
    FillMachineTypeTable();
    FillCropParameterTable();
    cropParameter = cropParameterTbl[kStartingModel];
    ReadStoredCropParameters();
}
