// The preview information: whether crop marks exist, and the positions of the objects the target admits, negative
// for cut lines.
#include <vector>

#include "CropMarkObjects.h"
#include "CutObjectFilter.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/ZBErrors.h"

void TalvexGlimtUIController::SendPreviewInfo(const pd::UnicodeString& payload)
{
    bool existCropMark = false;
    const bool marksKnown = FindCropMarks(existCropMark);
    const int32_t target = GetElementInt32(payload, "Target");  // missing: 0, every object
    std::vector<CutCandidate> admitted;
    if (!CutObjectFilter(target, admitted) || !marksKnown) {
        // No document: the panel keeps its preview. A document the host cannot answer for would be previewed
        // without some of its paths or marks: the user is told instead.
        PDDocumentHandle document = nullptr;
        if (sPDDocument && sPDDocument->GetDocument(&document) == kNoErr) throw pd::Error(kCantHappenErr);
        return;
    }
    std::vector<int32_t> indexes;
    indexes.reserve(admitted.size());
    // The 1-based position; positions stay below the host's int32_t count, so position + 1 cannot overflow.
    for (const CutCandidate& candidate : admitted) {
        const int32_t index = candidate.position + 1;
        indexes.push_back(candidate.cutLine ? -index : index);
    }
    SendPreviewInfoEvent(existCropMark, indexes);
}
