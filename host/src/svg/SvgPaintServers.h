// Paint servers (gradients, patterns, meshes) as the one solid colour the document can hold in their place.
#ifndef HOST_SVG_SVGPAINTSERVERS_H
#define HOST_SVG_SVGPAINTSERVERS_H

#include <string>

#include <pugixml.hpp>

#include "host/Document.h"
#include "svg/SvgReferences.h"

namespace host::svg {

struct SolidPaint {
    bool paint = false;  // false: the server draws nothing (a gradient without stops)
    Color color;
    std::string how;  // for the warning: "the average of its 3 stops", ...
};

// A gradient: the average of its stop colours, its own or those of the gradients its href chain leads to; a
// pattern: the colour of the first shape it draws (black where that shape does not say); anything else that
// holds stops (a mesh) the average of them. Never throws: a stop whose colour cannot be read is passed over.
SolidPaint SolidOfServer(pugi::xml_node server, const IdIndex& ids);

}  // namespace host::svg

#endif
