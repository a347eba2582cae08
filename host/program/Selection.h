// The user's part at the document: which objects are selected, by their SVG ids.
#ifndef PENDRAKE_SELECTION_H
#define PENDRAKE_SELECTION_H

#include <set>
#include <string>
#include <vector>

#include "host/Document.h"

namespace pendrake {

// The objects with these SVG ids into *found. False, with *problem naming the first id that names no object,
// when one does not.
bool FindObjectsByIds(const host::Document& document, const std::vector<std::string>& ids, std::set<host::Art*>* found,
                      std::string* problem);

// Makes exactly the chosen objects, with everything they hold, the selection; the rest of the document is
// deselected. The plug-ins are not told.
void SelectExactly(const host::Document& document, const std::set<host::Art*>& chosen);

// The SVG ids of the selected objects that no selected object holds, in document order; selected objects without
// an id are left out.
std::vector<std::string> SelectedIds(const host::Document& document);

}  // namespace pendrake

#endif
