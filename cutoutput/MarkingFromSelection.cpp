// Cut and perforation marking: one operation either marks every selected path or, when all of them carry the
// tag already, unmarks every one. Geometry, selection and style stay as they are, and nothing is sent.
#include <cstdio>
#include <vector>

#include "ArtMatchList.h"
#include "CropMarkObjects.h"
#include "CutTags.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDTag.h"

namespace {

// Whether art is a path, and if so whether it carries the tag; false when the host could not say either.
bool AskPath(PDArtHandle art, const char* tagName, bool& path, bool& marked) noexcept
{
    int16_t type = 0;
    if (sPDArt->GetArtType(art, &type) != kNoErr) return false;
    path = type == kPDPathArt;
    marked = false;
    if (!path) return true;
    const TagAnswer answer = AskStringTag(art, tagName);
    marked = answer == TagAnswer::kCarried;
    return answer != TagAnswer::kUnknown;
}

void ToggleTagOfSelection(const char* tagName)
{
    if (!sPDArt || !sPDTag) return;
    const ArtMatchList selection(ArtMatchList::Query::kSelected);
    // Without a document nothing is selected; a selection the host cannot give is reported.
    if (!selection.Answered() && selection.Refusal() != kNoDocumentErr) throw pd::Error(selection.Refusal());
    if (selection.Count() == 0) return;

    // Which way the toggle goes depends on every selected path: when the host cannot say for one of them,
    // nothing is changed rather than marking some and unmarking others, and the user is told.
    enum : char { kOther, kUnmarked, kMarked };
    std::vector<char> state(static_cast<std::size_t>(selection.Count()));
    bool unmarkedPathFound = false;
    std::size_t i = 0;
    for (const PDArtHandle art : selection) {
        bool path = false;
        bool marked = false;
        if (!AskPath(art, tagName, path, marked)) throw pd::Error(kCantHappenErr);
        state[i++] = !path ? kOther : marked ? kMarked : kUnmarked;
        unmarkedPathFound = unmarkedPathFound || (path && !marked);
    }

    // The value is the size of the selection.
    char value[16];
    std::snprintf(value, sizeof value, "%04d", static_cast<int>(selection.Count()));
    i = 0;
    ZBErr failure = kNoErr;
    for (const PDArtHandle art : selection) {
        const char was = state[i++];
        ZBErr result = kNoErr;
        if (!unmarkedPathFound && was == kMarked) {
            result = sPDTag->RemoveTag(art, tagName);
        } else if (unmarkedPathFound && was == kUnmarked) {
            result = sPDTag->SetTag(art, tagName, kPDStringTagType, value);
        }
        if (result != kNoErr && failure == kNoErr) failure = result;
    }
    // The paths the host did mark stay marked; the user hears that the others are not.
    if (failure != kNoErr) throw pd::Error(failure);
}

}  // namespace

void TalvexGlimtUIController::MarkingFromSelection() { ToggleTagOfSelection(kCutMarkTagName); }

void TalvexGlimtUIController::PerforationMarkingFromSelection() { ToggleTagOfSelection(kPerforationMarkTagName); }
