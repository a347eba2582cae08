// The preview information: whether crop marks exist, and the positions of the objects the target admits, negative
// for cut lines.
#include <vector>

#include "CutObjectFilter.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"

void TalvexGlimtUIController::SendPreviewInfo(const pd::UnicodeString& payload)
{
    const bool existCropMark = HasCropMarks();
    const int32_t target = GetElementInt32(payload, "Target");  // missing: 0, every object
    std::vector<CutCandidate> admitted;
    if (!CutObjectFilter(target, admitted)) return;  // no document or no path list: the panel keeps its preview
    std::vector<int32_t> indexes;
    indexes.reserve(admitted.size());
    // The 1-based position; positions stay below the host's int32_t count, so position + 1 cannot overflow.
    for (const CutCandidate& candidate : admitted) {
        const int32_t index = candidate.position + 1;
        indexes.push_back(candidate.cutLine ? -index : index);
    }
    SendPreviewInfoEvent(existCropMark, indexes);
}
