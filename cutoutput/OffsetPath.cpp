// An offset contour: the host's offset dialog opens with 5 mm as the offset and the miter limit and miter joins.
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDActionManager.h"

namespace {

constexpr PDReal kFiveMillimetres = static_cast<PDReal>(14.1732);  // in points, passed in the unit '#Pxl'

}  // namespace

void TalvexGlimtUIController::OffsetPath()
{
    const ActionParams params;
    // Without a block the dialog would not start from these values: nothing is played.
    if (!params.Get()) return;
    sPDActionManager->SetUnitReal(params.Get(), kPDOffsetPathOffsetKey, kPDUnitPixels, kFiveMillimetres);
    sPDActionManager->SetUnitReal(params.Get(), kPDOffsetPathMiterLimitKey, kPDUnitPixels, kFiveMillimetres);
    sPDActionManager->SetEnumerated(params.Get(), kPDOffsetPathJoinKey, "Miter", kPDOffsetPathJoinMiter);
    PlayHostAction("pd_plugin_offset", kPDDialogOn, params.Get());
}
