// The Windows host substitute is built without FreeType (Debian has it for Linux only): text cannot be turned
// into outlines there, and the action that does so fails as on a system without fonts.
#include "GlyphOutlines.h"

namespace host {

ZBErr OutlineText(const std::string& /*fontFile*/, const std::string& /*utf8*/, Point /*origin*/, double /*size*/,
                  std::vector<Contours>& glyphs)
{
    glyphs.clear();
    return kBadFormatErr;
}

}  // namespace host
