// Where the crop marks stand in the file's coordinates, from the crop-mark comment's values.
#ifndef TOOLS_CUTTINGAPP_CROPMARKLAYOUT_H
#define TOOLS_CUTTINGAPP_CROPMARKLAYOUT_H

#include <string>
#include <vector>

#include "CutData.h"

namespace talvex {

// The file's coordinates start at the lower-left corner of the area the marks cover, so the lower-left mark's
// centre is at (radius, radius) and the marks' centres span width by length from there. A count of 4 gives all
// four corners; 3 gives bottom-left, bottom-right and top-left (a bottom-standing frame with three marks); any
// other count gives top-left, top-right and bottom-left, the arrangement the plug-in uses then.
std::vector<CutPoint> CropMarkCentres(const CropMarkValues& values);

// "four marks: ..." or "three marks: ...", naming the corners of CropMarkCentres in order.
std::string CropMarkLayoutText(const CropMarkValues& values);

}  // namespace talvex

#endif
