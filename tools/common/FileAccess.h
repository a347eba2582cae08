// Reading an input file whole and writing a stand-in's results so that a reader never sees half a file.
#ifndef TOOLS_COMMON_FILEACCESS_H
#define TOOLS_COMMON_FILEACCESS_H

#include <string>

namespace talvex {

// The bytes of a regular file of at most 64 MiB; false with the reason in error otherwise.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);

// Writes text to a new file beside path and renames it over path; false with the reason in error.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);

// The folder that holds the running program, from /proc/self/exe; empty when unknown.
std::string ProgramFolder();

}  // namespace talvex

#endif
