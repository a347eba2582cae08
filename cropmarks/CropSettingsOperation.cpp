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
    // Every field is read before any is replaced: a payload the host cannot read leaves the settings whole.
    CropParameterRow next = cropParameter;
    StoreLength(payload, "W", next.horzDistance);
    StoreLength(payload, "L", next.vertDistance);
    StoreLength(payload, "X", next.leftMargin);
    StoreLength(payload, "Y", next.bottomMargin);
    // The machine type indexes the model table: one outside it keeps the previous type.
    const int32_t machineType = GetElementInt32(payload, "MachineType");
    if (IsMachineType(machineType)) next.machineType = machineType;
    if (kHasCropCount) next.cropCount = GetElementInt32(payload, "CropCount");
    cropParameter = next;
}
