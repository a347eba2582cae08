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
                     "Prints \"paths N\" and \"extent LEFT BOTTOM RIGHT TOP\" (page points, y upward; \"extent none\"\n"
                     "without anchors) for crop marks on a frame that stands on the page bottom.\n"
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
    const std::optional<corpus::Extent> extent = corpus::PathsExtent(data.fPaths);
    if (!extent) {
        std::printf("extent none\n");
        return 0;
    }
    const talvex::CutPoint offset = corpus::PageOffset(data.fCropMarks);
    std::printf("extent %.6f %.6f %.6f %.6f\n", extent->fLeft + offset.fX, extent->fBottom + offset.fY,
                extent->fRight + offset.fX, extent->fTop + offset.fY);
    return 0;
}
