// A problem that a stand-in found in a file it read, and the "FILE:LINE: message" form it is reported in.
#ifndef TOOLS_COMMON_FILEPROBLEM_H
#define TOOLS_COMMON_FILEPROBLEM_H

#include <string>

namespace talvex {

// A problem at a line of the file (line 0: the file as a whole).
struct FileProblem {
    int fLine = 0;
    std::string fMessage;
};

// "FILE:LINE: message", or "FILE: message" for a problem of the file as a whole (line 0).
std::string ProblemText(const std::string& fileName, const FileProblem& problem);

}  // namespace talvex

#endif
