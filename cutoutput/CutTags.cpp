#include "CutTags.h"

#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDTag.h"

bool CarriesStringTag(PDArtHandle art, const char* name) noexcept
{
    // A null value pointer asks for presence only.
    return sPDTag && sPDTag->GetTag(art, name, kPDStringTagType, nullptr) == kNoErr;
}
