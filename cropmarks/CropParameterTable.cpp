#include "CropSettings.h"

CropParameterRow cropParameterTbl[kMachineTypeCount] = {};
CropParameterRow cropParameter = {};

namespace {

constexpr int32_t kFourMark = kFourMarkModelBottomMargin;

// The defaults of every model, in id order; the crop count is never a default.
constexpr CropParameterRow kDefaults[] = {
    {2500, 600, 15000, 25000, 0, 0},        // KM-1
    {2300, 600, 24000, 16300, 1, 0},        // KM-2
    {2300, 600, 24000, 16300, 2, 0},        // KM-3
    {1500, 2000, 17000, 21000, 3, 0},       // TR-1
    {1000, kFourMark, 17000, 21500, 4, 0},  // TR-2
    {1000, kFourMark, 17000, 21500, 5, 0},  // TR-3
    {1000, kFourMark, 17000, 21500, 6, 0},  // TR-4
    {1000, kFourMark, 17000, 21500, 7, 0},  // TR-5
    {1000, 2000, 17000, 20000, 8, 0},       // TS-1
};
static_assert(sizeof kDefaults / sizeof kDefaults[0] >= kMachineTypeCount);

}  // namespace

void FillCropParameterTable() noexcept
{
    for (int32_t row = 0; row < kMachineTypeCount; ++row) cropParameterTbl[row] = kDefaults[row];
}
