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

// What the rule says of one object.
enum class Admission {
    kAdmitted,
    kRejected,
    kUnknown,  // the host could not answer one of the rule's questions: the object may or may not belong
};

// The current layer when the target needs it, else null. False when the target needs it and the host cannot
// give it.
bool CurrentLayerForTarget(int32_t target, PDLayerHandle& layer) noexcept;

// The tests of the rule, in order: a fill or a stroke; the target's own test (selected, on currentLayer, a cut
// line, a perforation line); no crop mark tag; a path. candidate is filled when art is admitted.
Admission AdmitCutObject(PDArtHandle art, int32_t position, int32_t target, PDLayerHandle currentLayer,
                         CutCandidate& candidate) noexcept;

// The walk of the rule: calls visit(candidate) for every path of paths, the list of every path object of the
// document (ArtMatchList::Query::kPaths), that the target admits, in the list's order. False when the rule could
// not be decided for some object (or for the target itself): what was visited may then lack a path.
template <typename Visit>
bool ForEachAdmittedPath(const ArtMatchList& paths, int32_t target, Visit&& visit)
{
    PDLayerHandle currentLayer = nullptr;
    if (!CurrentLayerForTarget(target, currentLayer)) return false;
    bool decided = true;
    int32_t position = 0;
    for (const PDArtHandle art : paths) {
        CutCandidate candidate{};
        switch (AdmitCutObject(art, position, target, currentLayer, candidate)) {
        case Admission::kAdmitted: visit(candidate); break;
        case Admission::kRejected: break;
        case Admission::kUnknown: decided = false; break;
        }
        ++position;
    }
    return decided;
}

// The admitted objects of the current document in the host's order. False when the host cannot list the
// document's paths (no document open, for one) or the rule could not be decided for one of them.
bool CutObjectFilter(int32_t target, std::vector<CutCandidate>& admitted);

#endif
