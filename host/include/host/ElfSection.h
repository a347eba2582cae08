// Reads one named section out of an ELF file without loading it: how the host finds a module's property list.
#ifndef HOST_ELFSECTION_H
#define HOST_ELFSECTION_H

#include <string>
#include <vector>

namespace host {

// Fills contents with the bytes of the section. Returns an empty text on success, otherwise what went wrong
// (file unreadable, not a 64-bit little-endian ELF file, no such section, a table that lies outside the file).
std::string ReadElfSection(const std::string& path, const std::string& sectionName,
                           std::vector<unsigned char>& contents);

}  // namespace host

#endif
