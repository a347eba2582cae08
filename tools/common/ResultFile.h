// Writing one of a stand-in's result files, with a message on standard error when that fails.
#ifndef TOOLS_COMMON_RESULTFILE_H
#define TOOLS_COMMON_RESULTFILE_H

#include <string>

namespace talvex {

// Writes text to folder/name atomically; on failure reports "PROGRAM: cannot write PATH: reason" and returns false.
bool WriteResultFile(const std::string& program, const std::string& folder, const std::string& name,
                     const std::string& text);

}  // namespace talvex

#endif
