// glibc's heap in large steps, the first backed by transparent huge pages: reading a document of 10,000 paths
// fills some 12 MiB of new heap, and at one fault for each 4 KiB page the faults alone took a fifth of the time.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/Platform.h"

namespace platform {
namespace {

constexpr std::size_t kHeapStep = std::size_t{64} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
// glibc takes blocks from 128 KiB up from mmap, not from the heap, until told otherwise: the probe stays below
// that.
constexpr std::size_t kLargestHeapBlock = (std::size_t{128} << 10) - 4096;
// What glibc puts before each block it hands out.
constexpr std::uintptr_t kChunkHeader = 16;
// glibc's highest mmap threshold on 64-bit systems.
constexpr std::size_t kLargestThreshold = std::size_t{32} << 20;

}  // namespace

void PreferLargeHeapPages() noexcept
{
#if defined(__GLIBC__)
    // Each growth of the heap asks for a step beyond what it needs, and the top is kept rather than given back
    // at once, so that a large page, once made, is not split again by the next free.
    if (mallopt(M_TOP_PAD, static_cast<int>(kHeapStep)) != 1) return;
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kHeapStep));
    // Blocks up to glibc's largest threshold come from the heap as well, not each from a mapping of its own: such
    // a mapping takes no large pages, and the artwork's text alone (a megabyte for 10,000 paths, read and copied
    // once) faulted in 4 KiB at a time cost more than reading it.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargestThreshold));
    // One block larger than the room left at the heap's top makes the heap take its first step now; the step is
    // the memory between the break before and the break after. Another allocator (a sanitizer's) leaves the
    // break where it was, and then nothing is advised.
    const std::size_t room = mallinfo2().keepcost;
    if (room >= kLargestHeapBlock) return;
    void* const before = sbrk(0);
    void* const probe = std::malloc(room + 64);
    void* const after = sbrk(0);
    const auto start = (reinterpret_cast<std::uintptr_t>(before) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(after) & ~(kHugePage - 1);
    if (!probe || before == reinterpret_cast<void*>(-1) || end <= start) {
        std::free(probe);
        return;
    }
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);  // only advice: failing is harmless
    std::free(probe);
    // The heap hands out its lowest memory first, and what lies below the first large page (where the break stood,
    // up to 2 MiB below it) is made in 4 KiB pages, a fault each. A block kept for good covers that part, so that
    // what the program allocates next lies in large pages; it is never written, so it costs no memory.
    const auto topStart = reinterpret_cast<std::uintptr_t>(sbrk(0)) - mallinfo2().keepcost;
    static void* belowLargePages = nullptr;  // reachable from here, so that a leak check does not count it
    if (!belowLargePages && start > topStart + kChunkHeader)
        belowLargePages = std::malloc(start - topStart - kChunkHeader);
#endif
}

}  // namespace platform
