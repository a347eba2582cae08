// Whether two documents hold the same: what a saved file carries back (page, origin, layers, objects with their
// ids, attributes other than the selection, tags, styles, segments, text, the current layer's name). Numbers
// compare by their shortest exact text, so -0 and 0 differ and a NaN equals a NaN.
#ifndef FUZZ_SUPPORT_DOCUMENTDIFFERENCE_H
#define FUZZ_SUPPORT_DOCUMENTDIFFERENCE_H

#include <string>

#include "host/Document.h"

namespace drive {

// The first difference found, as "where: what"; empty when there is none.
std::string DocumentDifference(const host::Document& a, const host::Document& b);

}  // namespace drive

#endif
