// The soak's long run in one host with both plug-ins: random panel events on the large document, which is opened
// afresh every so many events (operations add art), with checkpoints after the warm-up.
#ifndef FUZZ_SOAK_EVENTSOAK_H
#define FUZZ_SOAK_EVENTSOAK_H

#include <cstdint>
#include <iosfwd>
#include <string>

#include "Checkpoints.h"
#include "DriveSandbox.h"
#include "LargeDocument.h"

namespace soak {

struct EventSoakOptions {
    uint64_t events = 1000000;
    uint64_t seed = 1;
    DocumentShape shape;
    uint64_t eventsPerDocument = 200;
    Checkpoints::Bounds bounds;
};

// Runs the events and writes progress and a summary to log; the first problem found, or empty.
std::string RunEventSoak(const EventSoakOptions& options, drive::DriveSandbox& sandbox, std::ostream& log);

}  // namespace soak

#endif
