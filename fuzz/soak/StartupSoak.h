// Start-up and shut-down of the host with both plug-ins, over and over in one process: each round loads them,
// starts them, checks that each answers its panel, and shuts everything down and unloads it. markplug's two
// editions take turns. Leaks are LeakSanitizer's to find at exit; resident memory must stay flat.
#ifndef FUZZ_SOAK_STARTUPSOAK_H
#define FUZZ_SOAK_STARTUPSOAK_H

#include <cstdint>
#include <iosfwd>
#include <string>

#include "Checkpoints.h"
#include "DriveSandbox.h"

namespace soak {

struct StartupSoakOptions {
    uint64_t startups = 1000;
    Checkpoints::Bounds bounds;
};

// The first problem found, or empty.
std::string RunStartupSoak(const StartupSoakOptions& options, drive::DriveSandbox& sandbox, std::ostream& log);

}  // namespace soak

#endif
