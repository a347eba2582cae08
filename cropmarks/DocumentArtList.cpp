#include "CropMarkObjects.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"

DocumentArtList::DocumentArtList() noexcept
{
    if (!sPDMatchingArt) return;
    const PDMatchingArtSpec anyArt = {kPDAnyArt, 0, 0};
    PDArtHandle* matches = nullptr;
    int32_t count = 0;
    if (sPDMatchingArt->GetMatchingArt(&anyArt, 1, &matches, &count) != kNoErr) return;
    fMatches = matches;
    fCount = matches && count > 0 ? count : 0;
}

DocumentArtList::~DocumentArtList()
{
    if (fMatches && sPDMatchingArt) sPDMatchingArt->DisposeMatches(fMatches);
}
