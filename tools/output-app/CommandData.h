// What the output application's stand-in understood of the three command files.
#ifndef TOOLS_OUTPUTAPP_COMMANDDATA_H
#define TOOLS_OUTPUTAPP_COMMANDDATA_H

#include <optional>
#include <string>
#include <vector>

#include "FileProblem.h"

namespace talvex {

// Which of the three command files, each with its own layout.
enum class CommandFileKind { kPlain, kPro, kTurned };

// One "PU" or "PD" line, in plotter units (0.025 mm).
struct PlotPoint {
    bool fPenDown = false;
    int fX = 0;
    int fY = 0;
    int fLine = 0;  // where it stands in its file
};

// A path: a "PU" line and the "PD" lines after it. Closed when it ends where it starts.
struct PlotPath {
    std::vector<PlotPoint> fPoints;
};

// The four numbers of "@PJL DO CROPMARK", and whether the line ended in ",4;".
struct CropMarkValues {
    int fOriginX = 0;
    int fOriginY = 0;
    int fWidth = 0;
    int fLength = 0;
    bool fFourForm = false;
    int fLine = 0;
};

struct CommandFile {
    CommandFileKind fKind = CommandFileKind::kPlain;
    bool fRead = false;        // the file could be opened and read
    bool fCropHeader = false;  // the header's first line was seen
    std::optional<CropMarkValues> fCropMarks;
    std::vector<PlotPath> fPaths;
    std::vector<FileProblem> fProblems;
};

// The file's name in the command folder.
const char* CommandFileName(CommandFileKind kind);

bool IsClosed(const PlotPath& path);
std::size_t PointCount(const CommandFile& file);

}  // namespace talvex

#endif
