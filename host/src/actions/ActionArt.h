// The art an action works on and the art it makes. An action works on what is selected (the object itself or
// a group holding it), neither locked nor on a locked layer; what it makes is selected.
#ifndef HOST_ACTIONS_ACTIONART_H
#define HOST_ACTIONS_ACTIONART_H

#include <cstddef>
#include <vector>

#include "Geometry.h"
#include "host/Document.h"

namespace host {

// Selected paths (those of a compound path count as the compound path) and compound paths, in paint order.
std::vector<Art*> SelectedShapes(const Document& document);
std::vector<Art*> SelectedTexts(const Document& document);

// Whether NewShape's shape fits at depth (see kMaxArtDepth): the paths of a compound path lie one deeper. An
// action asks before it changes the document, so that a shape too deep is refused with nothing changed.
bool ShapeFits(std::size_t depth, const Contours& contours, bool compound = false);

// A path of one contour, or a compound path of several (always one with compound), with style, placed at order
// relative to reference and selected. Null when the order cannot be applied there.
Art* NewShape(Document& document, const Contours& contours, const Style& style, PaintOrder order, Art* reference,
              bool compound = false);

}  // namespace host

#endif
