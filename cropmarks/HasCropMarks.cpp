#include "ArtMatchList.h"
#include "CropMarkObjects.h"
#include "TalvexGlimtUIController.h"

bool TalvexGlimtUIController::HasCropMarks()
{
    // Every object is asked, so that the answer does not depend on the order of the list.
    bool found = false;
    const ArtMatchList art(ArtMatchList::Query::kAnyArt);  // empty when the query fails
    for (const PDArtHandle object : art) {
        if (CarriesCropMarkTag(object)) found = true;
    }
    return found;
}
