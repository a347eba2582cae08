// Strokes into outline shapes. The host's action sees only the stroked paths of the selection, without their
// fill; unstroked paths and text drop out of the selection and stay as they are.
#include <vector>

#include "ArtMatchList.h"
#include "HostActions.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDPathStyle.h"
#include "pendrake/ZBErrors.h"

namespace {

// What the preparation does to one selected object.
enum class Preparation : char {
    kKeep,      // neither path nor text: the action sees it as it is
    kDropFill,  // a stroked path: the action sees its stroke alone
    kDeselect,  // an unstroked path, or text: it drops out of the selection
};

// Asks the host what the object is; false when it cannot say. A path whose style the host cannot give cannot be
// shown to be stroked.
bool Prepare(PDArtHandle art, Preparation& preparation) noexcept
{
    int16_t type = 0;
    if (sPDArt->GetArtType(art, &type) != kNoErr) return false;
    preparation = Preparation::kKeep;
    if (type == kPDTextArt) preparation = Preparation::kDeselect;
    if (type != kPDPathArt) return true;
    PDPathStyle style{};
    const bool stroked = sPDPathStyle && sPDPathStyle->GetPathStyle(art, &style) == kNoErr && style.strokePaint;
    preparation = stroked ? Preparation::kDropFill : Preparation::kDeselect;
    return true;
}

bool Apply(PDArtHandle art, Preparation preparation) noexcept
{
    switch (preparation) {
    case Preparation::kKeep: return true;
    case Preparation::kDeselect: return sPDArt->SetArtUserAttr(art, kPDArtSelected, 0) == kNoErr;
    case Preparation::kDropFill: {
        PDPathStyle style{};
        if (sPDPathStyle->GetPathStyle(art, &style) != kNoErr) return false;
        style.fillPaint = 0;
        return sPDPathStyle->SetPathStyle(art, &style) == kNoErr;
    }
    }
    return false;
}

}  // namespace

void TalvexGlimtUIController::OutlinePath()
{
    if (!sPDArt) throw pd::Error(kCantHappenErr);
    const ArtMatchList selection(ArtMatchList::Query::kSelected);
    // Without a document there is nothing selected and the host's action refuses; a selection the host cannot
    // give is not outlined with its fills.
    if (!selection.Answered() && selection.Refusal() != kNoDocumentErr) throw pd::Error(selection.Refusal());
    // Every object is asked before any is changed, so that a host that cannot answer changes nothing.
    std::vector<Preparation> preparations(static_cast<std::size_t>(selection.Count()));
    std::size_t i = 0;
    for (const PDArtHandle art : selection)
        if (!Prepare(art, preparations[i++])) throw pd::Error(kCantHappenErr);
    i = 0;
    for (const PDArtHandle art : selection)
        if (!Apply(art, preparations[i++])) throw pd::Error(kCantHappenErr);
    PlayHostAction("pd_plugin_outline", kPDDialogOff, nullptr);
}
