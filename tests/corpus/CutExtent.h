// The extent of the paths of a cut data file, and where the file's coordinates stand on the page, for the corpus
// check: it compares what the output run wrote with another renderer's extent of the same artwork.
#ifndef TESTS_CORPUS_CUTEXTENT_H
#define TESTS_CORPUS_CUTEXTENT_H

#include <optional>

#include "CutData.h"

namespace corpus {

struct Extent {
    double fLeft = 0, fBottom = 0, fRight = 0, fTop = 0;
};

// The smallest rectangle holding the path drawn as its cubic curves run (their extreme points, not the
// handles), in the file's coordinates. A path of one anchor is that point. Empty without any anchor.
std::optional<Extent> PathExtent(const talvex::CutPath& path);

// Which paths PathsExtent counts.
enum class PathKind {
    kAll,
    kWithArea,  // only paths whose extent is wider and higher than nothing: no point, no straight line along an axis
};

// The smallest rectangle holding the extents of the paths of that kind; empty when none has an anchor.
std::optional<Extent> PathsExtent(const std::vector<talvex::CutPath>& paths, PathKind kind = PathKind::kAll);

// Where the point (0, 0) of the file stands on the page, in page points (y upward), for crop marks on a frame
// that stands on the page bottom: the file measures from the lower-left corner of the area the round marks
// cover, which is the margins from the page's corner, moved 5 mm more with four marks (their frame makes room for
// the corner brackets). Without crop marks the file is in page coordinates less the document origin, which the
// file does not carry: (0, 0) is returned.
talvex::CutPoint PageOffset(const std::optional<talvex::CropMarkValues>& cropMarks);

}  // namespace corpus

#endif
