// Deleting the crop marks: every object that carries the tag goes, wherever it lies and whatever the user did to
// it; untagged objects stay.
#include "ArtMatchList.h"
#include "CropMarkObjects.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"

namespace {

// An object of the list may have gone with a tagged group before its turn; it is not asked about.
bool StillExists(PDArtHandle art) noexcept
{
    ZBBoolean valid = 0;
    return sPDArt->ValidArt(art, &valid) == kNoErr && valid;
}

}  // namespace

void TalvexGlimtUIController::DeleteCropMarks()
{
    if (!sPDArt) return;
    const ArtMatchList art(ArtMatchList::Query::kAnyArt);  // empty when the query fails
    for (const PDArtHandle object : art) {
        if (StillExists(object) && CarriesCropMarkTag(object)) sPDArt->DisposeArt(object);
    }
}
