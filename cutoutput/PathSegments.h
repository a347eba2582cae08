// One path's segments as the output runs read them: in a block of the host's block allocator with room for one
// segment more, so that a closed path can end with a repeat of its first segment, back at its first anchor.
#ifndef MARKPLUG_PATHSEGMENTS_H
#define MARKPLUG_PATHSEGMENTS_H

#include <cstdint>

#include "pendrake/PDPath.h"
#include "pendrake/PDTypes.h"

class PathSegments {
public:
    enum class Result {
        kRead,      // the segments are there (none for an empty path)
        kNoMemory,  // the block could not be had
        kFailed,    // the host could not say how many segments the path has, give them, or say whether it is closed
    };

    // allocationName names the block to the host.
    explicit PathSegments(const char* allocationName) noexcept : fAllocationName(allocationName) {}
    ~PathSegments();
    PathSegments(const PathSegments&) = delete;
    PathSegments& operator=(const PathSegments&) = delete;

    // Reads the path's segments; a closed path gets its first segment once more at the end.
    Result Read(PDArtHandle art) noexcept;

    const PDPathSegment* Get() const noexcept { return fSegments; }
    // The segments read, the closing repeat included.
    int32_t Count() const noexcept { return fCount; }
    bool Closed() const noexcept { return fClosed; }

private:
    const char* fAllocationName;
    PDPathSegment* fSegments = nullptr;
    int32_t fCount = 0;
    bool fClosed = false;
};

#endif
