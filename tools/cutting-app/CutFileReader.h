// Reads a cut data file strictly: CR LF line ends, the DSC 3.0 first line, the optional crop-mark comment, the
// six fixed lines, the path blocks, the four trailer lines and nothing after them. Every line that does not fit
// is a problem of the result; reading goes on after it, so that one run reports them all.
#ifndef TOOLS_CUTTINGAPP_CUTFILEREADER_H
#define TOOLS_CUTTINGAPP_CUTFILEREADER_H

#include <string_view>

#include "CutData.h"

namespace talvex {

CutData ReadCutFile(std::string_view bytes);

}  // namespace talvex

#endif
