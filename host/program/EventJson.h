// One dispatched panel event as one line of JSON, the way the console panel shows it.
#ifndef PENDRAKE_EVENTJSON_H
#define PENDRAKE_EVENTJSON_H

#include <string>

#include "wirelet/EventRecord.h"

namespace pendrake {

// {"type":...,"scope":...,"sender":...,"extension":...,"data":...} in that order, without a line end. A null
// text is JSON null; bytes that are not UTF-8 are shown as U+FFFD.
std::string EventJsonLine(const wirelet::EventRecord& event);

}  // namespace pendrake

#endif
