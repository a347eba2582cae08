// An offset contour: the host's offset dialog opens with 5 mm as the offset and the miter limit and miter joins.
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDActionManager.h"

namespace {

constexpr PDReal kFiveMillimetres = static_cast<PDReal>(14.1732);  // in points, passed in the unit '#Pxl'
constexpr int32_t kMiterJoin = 2;

}  // namespace

void TalvexGlimtUIController::OffsetPath()
{
    const ActionParams params;
    // Without a block the dialog would not start from these values: nothing is played.
    if (!params.Get()) return;
    sPDActionManager->SetUnitReal(params.Get(), PD_FOURCC('o', 'f', 's', 't'), kPDUnitPixels, kFiveMillimetres);
    sPDActionManager->SetUnitReal(params.Get(), PD_FOURCC('m', 'i', 't', 'r'), kPDUnitPixels, kFiveMillimetres);
    sPDActionManager->SetEnumerated(params.Get(), PD_FOURCC('j', 'n', 't', 'p'), "Miter", kMiterJoin);
    PlayHostAction("pd_plugin_offset", kPDDialogOn, params.Get());
}
