// corpus-extent: the extent on the page of the paths of a cut data file, for the corpus check (scripts/corpus).
// It reads the file with the cutting application stand-in's strict reader; a file with problems is reported and
// measured not at all.
#include <cstdio>
#include <iostream>
#include <string>

#include "CutExtent.h"
#include "CutFileReader.h"
#include "FileAccess.h"
#include "FileProblem.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: corpus-extent CUTFILE\n"
                     "Prints \"paths N\", \"extent LEFT BOTTOM RIGHT TOP\" (page points, y upward; \"extent none\"\n"
                     "without anchors) and \"extent-with-area ...\" (only the paths that have an area), for crop\n"
                     "marks on a frame that stands on the page bottom.\n"
                     "Exit codes: 0 measured, 1 the file could not be read or has problems, 2 wrong usage.\n";
        return 2;
    }
    const std::string path = argv[1];
    std::string bytes, error;
    if (!talvex::ReadFileBytes(path, bytes, error)) {
        std::cerr << "corpus-extent: " << path << ": " << error << '\n';
        return 1;
    }
    const talvex::CutData data = talvex::ReadCutFile(bytes);
    if (!data.fProblems.empty()) {
        for (const talvex::CutProblem& problem : data.fProblems)
            std::cerr << "corpus-extent: " << talvex::ProblemText(path, problem) << '\n';
        return 1;
    }
    std::printf("paths %zu\n", data.fPaths.size());
    const talvex::CutPoint offset = corpus::PageOffset(data.fCropMarks);
    auto print = [&offset](const char* name, const std::optional<corpus::Extent>& extent) {
        if (!extent) {
            std::printf("%s none\n", name);
            return;
        }
        std::printf("%s %.6f %.6f %.6f %.6f\n", name, extent->fLeft + offset.fX, extent->fBottom + offset.fY,
                    extent->fRight + offset.fX, extent->fTop + offset.fY);
    };
    print("extent", corpus::PathsExtent(data.fPaths));
    // For telling disagreements apart: a fill alone draws nothing of a path without area (a point or a line).
    print("extent-with-area", corpus::PathsExtent(data.fPaths, corpus::PathKind::kWithArea));
    return 0;
}
