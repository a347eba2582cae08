// One line of a cut data file (its line end removed), told apart by what it is and with its values read.
#ifndef TOOLS_CUTTINGAPP_CUTLINE_H
#define TOOLS_CUTTINGAPP_CUTLINE_H

#include <string>
#include <string_view>
#include <vector>

namespace talvex {

enum class CutLineKind {
    kUnknown,      // nothing of a cut data file
    kConformance,  // the DSC 3.0 first line
    kCropMarks,    // "%%VarrowCropMark: ..."
    kFixed,        // one of the six fixed header lines (fIndex 0 to 5)
    kTrailer,      // one of the four trailer lines (fIndex 0 to 3)
    kPathBegin,    // "u"
    kMove,         // "X Y m"
    kCurve,        // "x1 y1 x2 y2 x3 y3 c"
    kClose,        // "s"
    kStroke,       // "S"
    kPerforation,  // "/TalvexPerforationMark (002) XT"
    kPathEnd,      // "U"
};

struct CutLine {
    CutLineKind fKind = CutLineKind::kUnknown;
    int fIndex = 0;
    std::vector<double> fReals;  // the coordinates or the six crop-mark reals, when every value could be read
    int fCount = 0;              // the crop-mark count
    // What is wrong with a line of a known kind (a malformed number, a wrong value count); the line still
    // counts as its kind, and its values are not used.
    std::vector<std::string> fProblems;
};

inline constexpr std::string_view kConformanceLine = "%!PS-Adobe-3.0";
inline constexpr std::string_view kFixedLines[6] = {"%%EndComments", "%%BeginProlog", "%%EndProlog",
                                                    "%%BeginSetup",  "%%EndSetup",    "%PD5_BeginLayer"};
inline constexpr std::string_view kTrailerLines[4] = {"%PD5_EndLayer--", "%%PageTrailer", "%%Trailer", "%%EOF"};

CutLine ClassifyCutLine(std::string_view text);

// How a line of the kind is named in messages: "\"%%EndProlog\"", "\"m\" line", "crop-mark comment".
std::string DescribeCutLine(const CutLine& line);

}  // namespace talvex

#endif
