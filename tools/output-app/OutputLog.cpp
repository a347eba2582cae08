#include "OutputLog.h"

#include "SvgNumber.h"

namespace talvex {
namespace {

std::string FileSummary(const CommandFile& file)
{
    std::string summary = std::string(CommandFileName(file.fKind)) + ": ";
    if (!file.fRead) {
        return summary + "not read";
    }
    std::size_t closed = 0;
    for (const PlotPath& path : file.fPaths) {
        closed += IsClosed(path) ? 1 : 0;
    }
    summary += std::to_string(file.fPaths.size()) + " paths (" + std::to_string(closed) + " closed), " +
               std::to_string(PointCount(file)) + " points";
    return file.fCropHeader ? summary + ", crop header" : summary;
}

std::size_t ProblemCount(const CommandFiles& files)
{
    std::size_t count = 0;
    for (const CommandFile& file : files) {
        count += file.fProblems.size();
    }
    return count;
}

}  // namespace

const std::optional<CropMarkValues>& ShownCropMarks(const CommandFiles& files)
{
    return files[0].fCropMarks ? files[0].fCropMarks : files[1].fCropMarks;
}

std::string ProblemsText(const std::string& folder, const CommandFiles& files)
{
    std::string text;
    for (const CommandFile& file : files) {
        for (const FileProblem& problem : file.fProblems) {
            text += ProblemText(folder + "/" + CommandFileName(file.fKind), problem) + "\n";
        }
    }
    return text;
}

std::string OutputLogText(const std::string& folder, const CommandFiles& files,
                          const std::optional<PageHeightWindow>& pageHeights)
{
    std::string log = "command folder: " + folder + "\n";
    for (const CommandFile& file : files) {
        log += FileSummary(file) + "\n";
    }
    if (const auto& marks = ShownCropMarks(files)) {
        log += "crop marks: origin " + std::to_string(marks->fOriginX) + "," + std::to_string(marks->fOriginY) +
               ", W " + std::to_string(marks->fWidth) + ", L " + std::to_string(marks->fLength) + "\n";
    } else {
        log += "crop marks: none\n";
    }
    if (pageHeights) {
        log += "page height of tmp_km.txt: " + SvgNumber(pageHeights->fLow) + " to " + SvgNumber(pageHeights->fHigh) +
               " units\n";
    }
    log += "problems: " + std::to_string(ProblemCount(files)) + "\n";
    return log + ProblemsText(folder, files);
}

}  // namespace talvex
