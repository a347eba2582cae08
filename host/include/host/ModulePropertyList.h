// Reads a plug-in module's property list out of its file without running any of its code: how the host learns
// a module's kind, entry point and name before it loads the module.
#ifndef HOST_MODULEPROPERTYLIST_H
#define HOST_MODULEPROPERTYLIST_H

#include <string>
#include <vector>

namespace host {

// Fills bytes with the property list: on Windows the resource "PIPL" 16000 in US English, elsewhere the ELF
// section ".pipl". Returns an empty text on success, otherwise what went wrong.
std::string ReadModulePropertyList(const std::string& path, std::vector<unsigned char>& bytes);

}  // namespace host

#endif
