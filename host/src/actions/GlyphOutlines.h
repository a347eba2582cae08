// Glyph outlines of a text through FreeType, as closed contours of cubic segments in artwork coordinates.
#ifndef HOST_ACTIONS_GLYPHOUTLINES_H
#define HOST_ACTIONS_GLYPHOUTLINES_H

#include <string>
#include <vector>

#include "Geometry.h"
#include "pendrake/ZBErrors.h"

namespace host {

// The glyphs of utf8 set in fontFile at size points with the baseline starting at origin, one entry for each
// glyph with an outline (spaces have none), advanced and kerned as the font says. kBadFormatErr when the file
// is not a font FreeType reads; kBadParameterErr for a size or origin out of range.
ZBErr OutlineText(const std::string& fontFile, const std::string& utf8, Point origin, double size,
                  std::vector<Contours>& glyphs);

}  // namespace host

#endif
