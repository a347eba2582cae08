// The target rule: which path objects of the document the preview reports and the output run writes. Every path
// object of the document is a candidate; its position counts all of them, rejected ones included.
#ifndef MARKPLUG_CUTOBJECTFILTER_H
#define MARKPLUG_CUTOBJECTFILTER_H

#include <cstdint>
#include <vector>

#include "ArtMatchList.h"
#include "pendrake/PDTypes.h"

// Targets of the panel; any other value admits every object.
inline constexpr int32_t kTargetSelection = 1;
inline constexpr int32_t kTargetCurrentLayer = 2;
inline constexpr int32_t kTargetCutLines = 3;
inline constexpr int32_t kTargetPerforationLines = 4;  // the Windows feature set only

struct CutCandidate {
    PDArtHandle art;
    int32_t position;  // 0-based, over every path object of the document
    bool cutLine;      // carries the cut tag
    bool perforationLine;
};

// The current layer when the target needs it, else null.
PDLayerHandle CurrentLayerForTarget(int32_t target) noexcept;

// The tests of the rule, in order: a fill or a stroke; the target's own test (selected, on currentLayer, a cut
// line, a perforation line); no crop mark tag; a path. True when art passes them all; candidate is then filled.
bool AdmitCutObject(PDArtHandle art, int32_t position, int32_t target, PDLayerHandle currentLayer,
                    CutCandidate& candidate) noexcept;

// The walk of the rule: calls visit(candidate) for every path of paths, the list of every path object of the
// document (ArtMatchList::Query::kPaths), that the target admits, in the list's order.
template <typename Visit>
void ForEachAdmittedPath(const ArtMatchList& paths, int32_t target, Visit&& visit)
{
    const PDLayerHandle currentLayer = CurrentLayerForTarget(target);
    int32_t position = 0;
    for (const PDArtHandle art : paths) {
        CutCandidate candidate{};
        if (AdmitCutObject(art, position, target, currentLayer, candidate)) visit(candidate);
        ++position;
    }
}

// The admitted objects of the current document in the host's order. False when the host cannot list the
// document's paths (no document open, for one).
bool CutObjectFilter(int32_t target, std::vector<CutCandidate>& admitted);

#endif
