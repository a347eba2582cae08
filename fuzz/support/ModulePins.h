// Keeps the built modules mapped for the whole process. libFuzzer reads the coverage counters of every
// instrumented module after each input, so a module that a host unloads (and a later host loads again) must
// not go away: pinned, a host's unload leaves it in place and its next load finds the same module.
#ifndef FUZZ_SUPPORT_MODULEPINS_H
#define FUZZ_SUPPORT_MODULEPINS_H

#include <string>

namespace drive {

// Pins markplug of the edition (none when empty), eventbridge, and the panel service library under each of its
// names; throws std::runtime_error when one cannot be loaded.
void PinBuiltModules(const std::string& edition);

}  // namespace drive

#endif
