// An offset contour: the host's offset dialog opens with 5 mm as the offset and the miter limit and miter joins.
#include <cmath>

#include "CropSettings.h"
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/ZBErrors.h"

namespace {

// The offset and the miter limit, in hundredths of a millimetre.
constexpr int32_t kOffsetDistance = 500;

// kOffsetDistance in points, passed in the unit '#Pxl': rounded to four decimals (14.1732), the value the dialog
// has always opened with.
PDReal OffsetDistanceInPoints() noexcept
{
    return static_cast<PDReal>(std::round(ToPoints(kOffsetDistance) * 1e4) / 1e4);
}

}  // namespace

void TalvexGlimtUIController::OffsetPath()
{
    const ActionParams params;
    // Without a block, or its values, the dialog would not start from these values: nothing is played.
    if (!params.Get()) throw pd::Error(kCantHappenErr);
    const PDReal distance = OffsetDistanceInPoints();
    if (sPDActionManager->SetUnitReal(params.Get(), kPDOffsetPathOffsetKey, kPDUnitPixels, distance) != kNoErr ||
        sPDActionManager->SetUnitReal(params.Get(), kPDOffsetPathMiterLimitKey, kPDUnitPixels, distance) != kNoErr ||
        sPDActionManager->SetEnumerated(params.Get(), kPDOffsetPathJoinKey, "Miter", kPDOffsetPathJoinMiter) != kNoErr)
        throw pd::Error(kCantHappenErr);
    PlayHostAction("pd_plugin_offset", kPDDialogOn, params.Get());
}
