#include "CutLog.h"

#include <cstdio>

#include "CropMarkLayout.h"

namespace talvex {
namespace {

std::string Fixed(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

}  // namespace

std::string CutLogText(const std::string& fileName, const CutData& data)
{
    std::size_t perforations = 0;
    for (const CutPath& path : data.fPaths) {
        perforations += path.fPerforation ? 1 : 0;
    }
    std::string log = "cut data file: " + fileName + "\n";
    log += "paths: " + std::to_string(data.fPaths.size()) + " (cut lines " +
           std::to_string(data.fPaths.size() - perforations) + ", perforation lines " + std::to_string(perforations) +
           ")\n";
    if (const auto& marks = data.fCropMarks) {
        log += "crop marks: radius " + Fixed(marks->fRadius) + " " + Fixed(marks->fSecondRadius) + ", W " +
               Fixed(marks->fWidth) + ", L " + Fixed(marks->fLength) + ", X " + Fixed(marks->fLeftMargin) + ", Y " +
               Fixed(marks->fBottomMargin) + ", count " + std::to_string(marks->fCount) + "\n";
        log += "crop-mark layout: " + CropMarkLayoutText(*marks) + "\n";
    } else {
        log += "crop marks: none\n";
    }
    log += "problems: " + std::to_string(data.fProblems.size()) + "\n";
    for (const CutProblem& problem : data.fProblems) {
        log += ProblemText(fileName, problem) + "\n";
    }
    return log;
}

}  // namespace talvex
