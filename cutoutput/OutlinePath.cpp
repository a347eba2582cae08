// Strokes into outline shapes. The host's action sees only the stroked paths of the selection, without their
// fill; unstroked paths and text drop out of the selection and stay as they are.
#include "ArtMatchList.h"
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDPathStyle.h"

namespace {

void Deselect(PDArtHandle art) noexcept { sPDArt->SetArtUserAttr(art, kPDArtSelected, 0); }

// A stroked path loses its fill; any other path is deselected, also one whose style the host cannot give (it
// cannot be shown to be stroked).
void PreparePath(PDArtHandle art) noexcept
{
    PDPathStyle style{};
    if (sPDPathStyle && sPDPathStyle->GetPathStyle(art, &style) == kNoErr && style.strokePaint) {
        style.fillPaint = 0;
        sPDPathStyle->SetPathStyle(art, &style);
        return;
    }
    Deselect(art);
}

}  // namespace

void TalvexGlimtUIController::OutlinePath()
{
    if (sPDArt) {
        // A failed query is an empty selection; the action is played all the same.
        const ArtMatchList selection(ArtMatchList::Query::kSelected);
        for (const PDArtHandle art : selection) {
            int16_t type = 0;
            if (sPDArt->GetArtType(art, &type) != kNoErr) continue;
            if (type == kPDPathArt) {
                PreparePath(art);
            } else if (type == kPDTextArt) {
                Deselect(art);
            }
        }
    }
    PlayHostAction("pd_plugin_outline", kPDDialogOff, nullptr);
}
