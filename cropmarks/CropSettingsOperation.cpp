// The panel's crop settings: they replace the current settings field by field and are not stored anywhere.
#include <cmath>

#include "CropSettings.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"

namespace {

// Millimetres to hundredths: the integer part of (millimetres + 0.005) × 100, so that a non-negative value goes
// to the nearest hundredth, halves upward. False for a value that is not a number or whose hundredths do not fit
// in 32 bits.
bool ToHundredths(double millimetres, int32_t& hundredths) noexcept
{
    const double scaled = (millimetres + 0.005) * 100.0;
    if (!std::isfinite(scaled)) return false;
    const double whole = std::trunc(scaled);
    if (whole < -2147483648.0 || whole > 2147483647.0) return false;
    hundredths = static_cast<int32_t>(whole);
    return true;
}

// A length the field cannot hold leaves the field as it was.
void StoreLength(const pd::UnicodeString& payload, const char* name, int32_t& field)
{
    ToHundredths(GetElementDouble(payload, name), field);
}

}  // namespace

void TalvexGlimtUIController::SetCropParameters(const pd::UnicodeString& payload)
{
    StoreLength(payload, "W", cropParameter.horzDistance);
    StoreLength(payload, "L", cropParameter.vertDistance);
    StoreLength(payload, "X", cropParameter.leftMargin);
    StoreLength(payload, "Y", cropParameter.bottomMargin);
    // The machine type indexes the model table: one outside it keeps the previous type.
    const int32_t machineType = GetElementInt32(payload, "MachineType");
    if (IsMachineType(machineType)) cropParameter.machineType = machineType;
    if (kHasCropCount) cropParameter.cropCount = GetElementInt32(payload, "CropCount");
}
