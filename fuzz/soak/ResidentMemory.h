// The process's memory, for the soak's checkpoints: what the system holds for it, and what its heap holds.
#ifndef FUZZ_SOAK_RESIDENTMEMORY_H
#define FUZZ_SOAK_RESIDENTMEMORY_H

#include <cstdint>

namespace soak {

// The resident set size in KiB, from /proc/self/statm; 0 when it cannot be read.
uint64_t ResidentKiB();

// The bytes of the heap blocks in use, in KiB: the sanitizer allocator's count under AddressSanitizer, the C
// library's otherwise.
uint64_t LiveHeapKiB();

}  // namespace soak

#endif
