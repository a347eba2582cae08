// The actions the host plays by name. Each works on the current document's selection.
#ifndef HOST_ACTIONS_HOSTACTIONS_H
#define HOST_ACTIONS_HOSTACTIONS_H

#include <string_view>
#include <vector>

#include "host/Actions.h"
#include "host/Document.h"
#include "pendrake/ZBErrors.h"

namespace host {

// Changes the document with the entries of the played parameter block (empty when none was passed). An action
// whose result would lie deeper than kMaxArtDepth returns kBadParameterErr and changes nothing.
using HostAction = ZBErr (*)(Document& document, const std::vector<ActionEntry>& params);

// The action of that name, or null when the host knows none.
HostAction FindHostAction(std::string_view name);

// Text to outlines: each selected text object becomes a group of compound paths of its glyphs.
ZBErr CreateOutlineAction(Document& document, const std::vector<ActionEntry>& params);
// Outline strokes: each selected stroked path becomes a filled path of its stroke's outline.
ZBErr OutlineStrokeAction(Document& document, const std::vector<ActionEntry>& params);
// Offset path: each selected path gets an offset contour above it.
ZBErr OffsetPathAction(Document& document, const std::vector<ActionEntry>& params);
// Unite: the selected paths become one path or compound path of their united area.
ZBErr UniteAction(Document& document, const std::vector<ActionEntry>& params);

}  // namespace host

#endif
