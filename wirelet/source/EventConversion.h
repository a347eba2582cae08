// Between the C event record that crosses the library boundary and the bus's own copy of it.
#ifndef WIRELET_EVENTCONVERSION_H
#define WIRELET_EVENTCONVERSION_H

#include "pendrake/PanelEvent.h"
#include "wirelet/EventRecord.h"

namespace wirelet {

// A copy of the record and its texts; the type must not be null.
EventRecord CopyEvent(const TrmlEvent& event, bool fromHost);
// A C record whose texts point into the copy; valid while the copy lives and is not changed.
TrmlEvent ViewOf(const EventRecord& record) noexcept;
// False when a text of the copy holds a NUL character, which a C record cannot carry.
bool HasOnlyCText(const EventRecord& record) noexcept;

}  // namespace wirelet

#endif
