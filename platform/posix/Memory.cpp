// glibc's heap in large steps backed by transparent huge pages: reading a document of 10,000 paths fills some
// 12 MiB of new heap, and at one fault for each 4 KiB page the faults alone took a fifth of the time.
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Linux 5.14 and later; older systems refuse the advice, and the filling ends at once.
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

#include "platform/Platform.h"

namespace platform {
namespace {

constexpr std::size_t kHeapStep = std::size_t{64} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
// What glibc puts before each block it hands out.
constexpr std::uintptr_t kChunkHeader = 16;

// Set once the heap's first step was advised: only then are later steps advised too.
bool gAdvising = false;
// How much of the room made for a document the filling thread touches at a time, and whether it should end.
constexpr std::size_t kFillStep = std::size_t{16} << 20;
std::atomic<bool> gStopFilling{false};

#if defined(__GLIBC__)
// Where the free room at the heap's top begins: the heap hands out the next blocks from there.
std::uintptr_t TopStart() noexcept { return reinterpret_cast<std::uintptr_t>(sbrk(0)) - mallinfo2().keepcost; }

// Makes the heap grow now by at least `bytes` (and the step), with one block larger than the room left at its top,
// and advises the whole 2 MiB pages of what it added, together with the one that the break stood in, for huge
// pages. Returns the first 2 MiB boundary at or above where the break stood, or 0 when the break did not move
// (another allocator, such as a sanitizer's) or the memory was refused.
std::uintptr_t GrowAdvised(std::size_t bytes) noexcept
{
    const std::size_t room = mallinfo2().keepcost;
    void* const before = sbrk(0);
    void* const probe = room + bytes > bytes ? std::malloc(room + bytes) : nullptr;
    void* const after = sbrk(0);
    std::free(probe);  // back into the top, which is never trimmed
    const auto from = reinterpret_cast<std::uintptr_t>(before);
    const auto end = reinterpret_cast<std::uintptr_t>(after) & ~(kHugePage - 1);
    if (!probe || before == reinterpret_cast<void*>(-1) || end <= from) return 0;
    const std::uintptr_t start = from & ~(kHugePage - 1);
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);  // only advice: failing is harmless
    return (from + kHugePage - 1) & ~(kHugePage - 1);
}
#endif

}  // namespace

void PreferLargeHeapPages() noexcept
{
#if defined(__GLIBC__)
    // Each growth of the heap asks for a step beyond what it needs, and the top is never given back, so that a
    // large page, once made, is not split again by the next free and a step that was advised stays.
    if (mallopt(M_TOP_PAD, static_cast<int>(kHeapStep)) != 1) return;
    mallopt(M_TRIM_THRESHOLD, -1);
    // Every block comes from the heap, also the large ones, not each from a mapping of its own: such a mapping
    // takes no large pages, and the artwork's text alone (a megabyte for 10,000 paths, read and copied once)
    // faulted in 4 KiB at a time cost more than reading it.
    mallopt(M_MMAP_MAX, 0);
    const std::uintptr_t start = GrowAdvised(1);
    if (!start) return;
    gAdvising = true;
    // The heap hands out its lowest memory first, and what lies below the first large page (where the break stood,
    // up to 2 MiB below it) is made in 4 KiB pages, a fault each. A block kept for good covers that part, so that
    // what the program allocates next lies in large pages; it is never written, so it costs no memory.
    const std::uintptr_t top = TopStart();
    static void* belowLargePages = nullptr;  // reachable from here, so that a leak check does not count it
    if (!belowLargePages && start > top + kChunkHeader) belowLargePages = std::malloc(start - top - kChunkHeader);
#endif
}

void PrepareLargeHeap(std::size_t bytes) noexcept
{
#if defined(__GLIBC__)
    if (!gAdvising || mallinfo2().keepcost >= bytes) return;
    // The heap hands out the room at its top first, and the memory it grows by after that.
    const std::uintptr_t top = TopStart();
    if (!GrowAdvised(bytes)) return;
    const std::uintptr_t start = (top + kHugePage - 1) & ~(kHugePage - 1);
    // Memory the system has never handed out before costs more at its first touch than the work of filling it,
    // on virtual machines most: a thread of its own touches the larger part of the room ahead of the program, on
    // another core, leaving what is already there as it is. It ends when the room is full, when told, or with the
    // process; the heap is never trimmed, so the room stays mapped meanwhile.
    gStopFilling.store(false);
    const std::size_t fill = bytes / 4 * 3;
    try {
        std::thread([start, fill] {
            for (std::size_t done = 0; done < fill && !gStopFilling.load(std::memory_order_relaxed); done += kFillStep)
                if (madvise(reinterpret_cast<void*>(start + done), kFillStep, MADV_POPULATE_WRITE) != 0) return;
        }).detach();
    } catch (...) {
        // No thread: the program touches the room itself.
    }
#else
    (void)bytes;
#endif
}

void StopFillingLargeHeap() noexcept { gStopFilling.store(true); }

}  // namespace platform
