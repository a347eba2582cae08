#include "CutObjectFilter.h"

#include "CropMarkObjects.h"
#include "CutTags.h"
#include "Edition.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDPathStyle.h"

namespace {

Admission Judged(bool passes) noexcept { return passes ? Admission::kAdmitted : Admission::kRejected; }

Admission OfTag(TagAnswer answer) noexcept
{
    switch (answer) {
    case TagAnswer::kCarried: return Admission::kAdmitted;
    case TagAnswer::kAbsent: return Admission::kRejected;
    case TagAnswer::kUnknown: break;
    }
    return Admission::kUnknown;
}

// The macOS feature set knows no perforation lines: target 4 admits everything there.
bool TargetsPerforationLines(int32_t target) noexcept { return !kMacEdition && target == kTargetPerforationLines; }

// A fill or a stroke. The host's two answers are yes or no; a no is confirmed with the path style, which the host
// can also refuse to give, so that an object the host cannot answer for is not taken for an unpainted one.
Admission PassesPaint(PDArtHandle art) noexcept
{
    if (sPDArt->ArtHasFill(art) || sPDArt->ArtHasStroke(art)) return Admission::kAdmitted;
    PDPathStyle style{};
    if (!sPDPathStyle || sPDPathStyle->GetPathStyle(art, &style) != kNoErr) return Admission::kUnknown;
    // Painted after all: the two answers were not the host's real ones.
    if (style.fillPaint || style.strokePaint) return Admission::kUnknown;
    return Admission::kRejected;
}

Admission PassesTarget(PDArtHandle art, int32_t target, PDLayerHandle currentLayer) noexcept
{
    switch (target) {
    case kTargetSelection: {
        int32_t selected = 0;
        if (sPDArt->GetArtUserAttr(art, kPDArtSelected, &selected) != kNoErr) return Admission::kUnknown;
        return Judged(selected == 1);
    }
    case kTargetCurrentLayer: {
        PDLayerHandle layer = nullptr;
        if (sPDArt->GetLayerOfArt(art, &layer) != kNoErr) return Admission::kUnknown;
        return Judged(layer == currentLayer);
    }
    case kTargetCutLines: return OfTag(AskStringTag(art, kCutMarkTagName));
    default:
        if (TargetsPerforationLines(target)) return OfTag(AskStringTag(art, kPerforationMarkTagName));
        return Admission::kAdmitted;
    }
}

}  // namespace

bool CurrentLayerForTarget(int32_t target, PDLayerHandle& layer) noexcept
{
    layer = nullptr;
    if (target != kTargetCurrentLayer) return true;
    return sPDLayer && sPDLayer->GetCurrentLayer(&layer) == kNoErr && layer;
}

Admission AdmitCutObject(PDArtHandle art, int32_t position, int32_t target, PDLayerHandle currentLayer,
                         CutCandidate& candidate) noexcept
{
    if (!sPDArt) return Admission::kUnknown;
    Admission admission = PassesPaint(art);
    if (admission != Admission::kAdmitted) return admission;
    admission = PassesTarget(art, target, currentLayer);
    if (admission != Admission::kAdmitted) return admission;
    switch (AskStringTag(art, kCropMarkTagName)) {
    case TagAnswer::kCarried: return Admission::kRejected;
    case TagAnswer::kAbsent: break;
    case TagAnswer::kUnknown: return Admission::kUnknown;
    }
    int16_t type = 0;
    if (sPDArt->GetArtType(art, &type) != kNoErr) return Admission::kUnknown;
    if (type != kPDPathArt) return Admission::kRejected;
    const TagAnswer cutLine = AskStringTag(art, kCutMarkTagName);
    const TagAnswer perforationLine = kMacEdition ? TagAnswer::kAbsent : AskStringTag(art, kPerforationMarkTagName);
    if (cutLine == TagAnswer::kUnknown || perforationLine == TagAnswer::kUnknown) return Admission::kUnknown;
    candidate.art = art;
    candidate.position = position;
    candidate.cutLine = cutLine == TagAnswer::kCarried;
    candidate.perforationLine = perforationLine == TagAnswer::kCarried;
    return Admission::kAdmitted;
}

bool CutObjectFilter(int32_t target, std::vector<CutCandidate>& admitted)
{
    const ArtMatchList paths(ArtMatchList::Query::kPaths);
    if (!paths.Answered()) return false;
    return ForEachAdmittedPath(paths, target,
                               [&admitted](const CutCandidate& candidate) { admitted.push_back(candidate); });
}
