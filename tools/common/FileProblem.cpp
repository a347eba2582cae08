#include "FileProblem.h"

namespace talvex {

std::string ProblemText(const std::string& fileName, const FileProblem& problem)
{
    if (problem.fLine == 0) {
        return fileName + ": " + problem.fMessage;
    }
    return fileName + ":" + std::to_string(problem.fLine) + ": " + problem.fMessage;
}

}  // namespace talvex
