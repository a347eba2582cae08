// Cut and perforation marking: one operation either marks every selected path or, when all of them carry the
// tag already, unmarks every one. Geometry, selection and style stay as they are, and nothing is sent.
#include <cstdio>

#include "ArtMatchList.h"
#include "CutTags.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDTag.h"

namespace {

bool IsPath(PDArtHandle art) noexcept
{
    int16_t type = 0;
    return sPDArt->GetArtType(art, &type) == kNoErr && type == kPDPathArt;
}

void ToggleTagOfSelection(const char* tagName) noexcept
{
    if (!sPDArt || !sPDTag) return;
    // A failed query is an empty selection.
    const ArtMatchList selection(ArtMatchList::Query::kSelected);
    if (selection.Count() == 0) return;

    bool unmarkedPathFound = false;
    for (const PDArtHandle art : selection) {
        if (IsPath(art) && !CarriesStringTag(art, tagName)) {
            unmarkedPathFound = true;
            break;
        }
    }

    // The value is the size of the selection; the results of setting and removing are not needed.
    char value[16];
    std::snprintf(value, sizeof value, "%04d", static_cast<int>(selection.Count()));
    for (const PDArtHandle art : selection) {
        if (!IsPath(art)) continue;
        const bool marked = CarriesStringTag(art, tagName);
        if (!unmarkedPathFound && marked) {
            sPDTag->RemoveTag(art, tagName);
        } else if (unmarkedPathFound && !marked) {
            sPDTag->SetTag(art, tagName, kPDStringTagType, value);
        }
    }
}

}  // namespace

void TalvexGlimtUIController::MarkingFromSelection() { ToggleTagOfSelection(kCutMarkTagName); }

void TalvexGlimtUIController::PerforationMarkingFromSelection() { ToggleTagOfSelection(kPerforationMarkTagName); }
