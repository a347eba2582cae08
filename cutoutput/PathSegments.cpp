#include "PathSegments.h"

#include "TalvexPluginDialogSuites.h"
#include "pendrake/ZBBlocks.h"

PathSegments::~PathSegments()
{
    if (fSegments) sZBBlocks->DisposeBlock(fSegments);
}

PathSegments::Result PathSegments::Read(PDArtHandle art) noexcept
{
    if (!sPDPath || !sZBBlocks || fSegments) return Result::kFailed;
    int16_t count = 0;
    if (sPDPath->GetPathSegmentCount(art, &count) != kNoErr || count < 0) return Result::kFailed;
    void* block = nullptr;
    const std::size_t slots = static_cast<std::size_t>(count) + 1;
    if (sZBBlocks->AllocateBlock(slots * sizeof(PDPathSegment), fAllocationName, &block) != kNoErr || !block)
        return Result::kNoMemory;
    fSegments = static_cast<PDPathSegment*>(block);
    if (count > 0 && sPDPath->GetPathSegments(art, 0, count, fSegments) != kNoErr) return Result::kFailed;
    ZBBoolean closed = 0;
    if (sPDPath->GetPathClosed(art, &closed) != kNoErr) return Result::kFailed;
    fClosed = closed != 0;
    fCount = count;
    if (fClosed && count > 0) fSegments[fCount++] = fSegments[0];
    return Result::kRead;
}
