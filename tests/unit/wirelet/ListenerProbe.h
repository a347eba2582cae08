// A panel listener for tests: each call appends "<name> <event>" to a shared log and then runs an optional
// action, so that a test can make a listener dispatch, add or remove while it is called.
#ifndef TESTS_LISTENERPROBE_H
#define TESTS_LISTENERPROBE_H

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "pendrake/PanelEvent.h"
#include "wirelet/EventRecord.h"

struct Probe {
    std::string fName;
    std::vector<std::string>* fLog = nullptr;
    std::function<void(const TrmlEvent&)> fAction;
};

// The listener function; its context is a Probe.
void ProbeListener(const TrmlEvent* event, void* context);
// Another listener function with the same behaviour, for telling listeners apart by function.
void OtherProbeListener(const TrmlEvent* event, void* context);

// "type|scope|sender|extension|data", a null text shown as "(null)".
std::string Describe(const TrmlEvent& event);

// An outgoing record over texts that the caller keeps alive.
TrmlEvent MakeEvent(const char* type, const char* data, const char* extension = nullptr, const char* sender = "word",
                    std::int32_t scope = 1);

namespace wirelet {
void PrintTo(const EventRecord& record, std::ostream* out);
}

#endif
