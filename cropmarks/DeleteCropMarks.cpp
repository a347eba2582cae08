// Deleting the crop marks: every object that carries the tag goes, wherever it lies and whatever the user did to
// it; untagged objects stay.
#include "ArtMatchList.h"
#include "CropMarkObjects.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"

namespace {

// An object of the list may have gone with a tagged group before its turn; it is not asked about. False when
// the host cannot say.
bool AskExists(PDArtHandle art, bool& exists) noexcept
{
    ZBBoolean valid = 0;
    if (sPDArt->ValidArt(art, &valid) != kNoErr) return false;
    exists = valid != 0;
    return true;
}

}  // namespace

void TalvexGlimtUIController::DeleteCropMarks()
{
    if (!sPDArt) return;
    const ArtMatchList art(ArtMatchList::Query::kAnyArt);
    // Without a document there are no marks; a mark that stays behind is reported once every other is gone.
    bool complete = art.Answered() || art.Refusal() == kNoDocumentErr;
    for (const PDArtHandle object : art) {
        bool exists = false;
        if (!AskExists(object, exists)) {
            complete = false;
            continue;
        }
        if (!exists) continue;
        switch (AskStringTag(object, kCropMarkTagName)) {
        case TagAnswer::kCarried:
            if (sPDArt->DisposeArt(object) != kNoErr) complete = false;
            break;
        case TagAnswer::kAbsent: break;
        case TagAnswer::kUnknown: complete = false; break;
        }
    }
    if (!complete) throw pd::Error(kCantHappenErr);
}
