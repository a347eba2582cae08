#include "CutObjectFilter.h"

#include "CropMarkObjects.h"
#include "CutTags.h"
#include "Edition.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"

namespace {

// The macOS feature set knows no perforation lines: target 4 admits everything there.
bool TargetsPerforationLines(int32_t target) noexcept { return !kMacEdition && target == kTargetPerforationLines; }

bool PassesTarget(PDArtHandle art, int32_t target, PDLayerHandle currentLayer) noexcept
{
    switch (target) {
    case kTargetSelection: {
        int32_t selected = 0;
        return sPDArt->GetArtUserAttr(art, kPDArtSelected, &selected) == kNoErr && selected == 1;
    }
    case kTargetCurrentLayer: {
        PDLayerHandle layer = nullptr;
        return currentLayer && sPDArt->GetLayerOfArt(art, &layer) == kNoErr && layer == currentLayer;
    }
    case kTargetCutLines: return CarriesStringTag(art, kCutMarkTagName);
    default:
        if (TargetsPerforationLines(target)) return CarriesStringTag(art, kPerforationMarkTagName);
        return true;
    }
}

}  // namespace

PDLayerHandle CurrentLayerForTarget(int32_t target) noexcept
{
    PDLayerHandle layer = nullptr;
    if (target != kTargetCurrentLayer || !sPDLayer || sPDLayer->GetCurrentLayer(&layer) != kNoErr) return nullptr;
    return layer;
}

bool AdmitCutObject(PDArtHandle art, int32_t position, int32_t target, PDLayerHandle currentLayer,
                    CutCandidate& candidate) noexcept
{
    if (!sPDArt) return false;
    if (!sPDArt->ArtHasFill(art) && !sPDArt->ArtHasStroke(art)) return false;
    if (!PassesTarget(art, target, currentLayer)) return false;
    if (CarriesCropMarkTag(art)) return false;
    int16_t type = 0;
    if (sPDArt->GetArtType(art, &type) != kNoErr || type != kPDPathArt) return false;
    candidate.art = art;
    candidate.position = position;
    candidate.cutLine = CarriesStringTag(art, kCutMarkTagName);
    candidate.perforationLine = !kMacEdition && CarriesStringTag(art, kPerforationMarkTagName);
    return true;
}

bool CutObjectFilter(int32_t target, std::vector<CutCandidate>& admitted)
{
    const ArtMatchList paths(ArtMatchList::Query::kPaths);
    if (!paths.Answered()) return false;
    ForEachAdmittedPath(paths, target, [&admitted](const CutCandidate& candidate) { admitted.push_back(candidate); });
    return true;
}
