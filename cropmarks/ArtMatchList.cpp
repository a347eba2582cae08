#include "ArtMatchList.h"

#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"

ArtMatchList::ArtMatchList(Query query) noexcept
{
    if (!sPDMatchingArt) {
        fRefusal = kCantHappenErr;
        return;
    }
    PDArtHandle* matches = nullptr;
    int32_t count = 0;
    ZBErr result = kNoErr;
    if (query == Query::kSelected) {
        result = sPDMatchingArt->GetSelectedArt(&matches, &count);
    } else {
        // Attribute mask 0: every object of the type, on every layer and inside groups and compound paths.
        const int16_t type = query == Query::kPaths ? kPDPathArt : kPDAnyArt;
        const PDMatchingArtSpec wanted = {type, 0, 0};
        result = sPDMatchingArt->GetMatchingArt(&wanted, 1, &matches, &count);
    }
    if (result != kNoErr) {
        if (matches) sPDMatchingArt->DisposeMatches(matches);
        fRefusal = result;
        return;
    }
    fAnswered = true;
    fMatches = matches;
    fCount = matches && count > 0 ? count : 0;
}

ArtMatchList::~ArtMatchList()
{
    if (fMatches && sPDMatchingArt) sPDMatchingArt->DisposeMatches(fMatches);
}
