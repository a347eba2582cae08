// What the stand-in understood of a cut data file: the crop-mark values, the paths and the problems found.
#ifndef TOOLS_CUTTINGAPP_CUTDATA_H
#define TOOLS_CUTTINGAPP_CUTDATA_H

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "FileProblem.h"

namespace talvex {

struct CutPoint {
    double fX = 0;
    double fY = 0;
};

// One path block: its start ("m"), its cubic segments ("c": two handles and the end point), "s" or "S", and
// whether it carries the perforation tag line.
struct CutPath {
    std::optional<CutPoint> fStart;
    std::vector<std::array<CutPoint, 3>> fCurves;
    bool fClosed = false;
    bool fPerforation = false;
};

// The crop-mark comment's seven values, in the file's order.
struct CropMarkValues {
    double fRadius = 0;
    double fSecondRadius = 0;
    double fWidth = 0;   // horizontal centre-to-centre distance of the marks
    double fLength = 0;  // vertical centre-to-centre distance of the marks
    double fLeftMargin = 0;
    double fBottomMargin = 0;
    int fCount = 0;
};

// A problem at a line of the file (line 0: the file as a whole).
using CutProblem = FileProblem;

struct CutData {
    std::optional<CropMarkValues> fCropMarks;
    std::vector<CutPath> fPaths;
    std::vector<CutProblem> fProblems;
};

}  // namespace talvex

#endif
