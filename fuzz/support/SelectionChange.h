// Selection changes as the user makes them at the document: objects chosen, with everything they hold, the rest
// deselected, and the plug-ins told through the selection changed notification.
#ifndef FUZZ_SUPPORT_SELECTIONCHANGE_H
#define FUZZ_SUPPORT_SELECTIONCHANGE_H

#include <cstdint>
#include <set>

#include "host/Host.h"

namespace drive {

// Selects exactly the chosen objects of the open document and what they hold, then notifies; nothing happens
// without a document.
void ChangeSelection(host::Host& host, const std::set<const host::Art*>& chosen);

// The top-level objects (layers bottom to top, each bottom to top) whose bit is set in mask (bit 0: the first).
void SelectByMask(host::Host& host, uint64_t mask);

}  // namespace drive

#endif
