// The text of last-cut.log: what the stand-in read from a cut data file and the problems it found.
#ifndef TOOLS_CUTTINGAPP_CUTLOG_H
#define TOOLS_CUTTINGAPP_CUTLOG_H

#include <string>

#include "CutData.h"

namespace talvex {

std::string CutLogText(const std::string& fileName, const CutData& data);

}  // namespace talvex

#endif
