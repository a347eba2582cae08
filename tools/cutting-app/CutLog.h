// The text of last-cut.log: what the stand-in read from a cut data file and the problems it found.
#ifndef TOOLS_CUTTINGAPP_CUTLOG_H
#define TOOLS_CUTTINGAPP_CUTLOG_H

#include <string>

#include "CutData.h"

namespace talvex {

std::string CutLogText(const std::string& fileName, const CutData& data);

// "FILE:LINE: message", or "FILE: message" for a problem of the file as a whole (line 0).
std::string ProblemText(const std::string& fileName, const CutProblem& problem);

}  // namespace talvex

#endif
