// The font file the host sets text in: the DejaVu family (sans, serif or mono by the text's font family)
// from the usual system font folders.
#ifndef HOST_ACTIONS_FONTFILES_H
#define HOST_ACTIONS_FONTFILES_H

#include <string>
#include <vector>

namespace host {

// The first existing file for family among folders; empty when none exists.
std::string FindFontFile(const std::string& family, const std::vector<std::string>& folders);
// The same in the system font folders.
std::string FindFontFile(const std::string& family);

}  // namespace host

#endif
