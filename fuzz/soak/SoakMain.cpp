// markplug_soak: a long run in one process. Random panel events on a large document in a host with both
// plug-ins (EventSoak.h), then start-up and shut-down of the host with both plug-ins, over and over
// (StartupSoak.h); a count of 0 leaves that part out. The output run writes into a sandbox and starts no program.
//
//   markplug_soak [--events N] [--startups N] [--seed N]
//
// Under AddressSanitizer run the start-ups with ASAN_OPTIONS=report_globals=0: the sanitizer keeps a record of
// every global variable of every module it loads and never frees it (some 350 KiB a start-up here), which would
// hide the plug-ins' own resident memory.
//
// Exit codes: 0 memory stayed flat and nothing went wrong, 1 a problem (on standard error), 2 wrong usage.
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "DriveSandbox.h"
#include "EventSoak.h"
#include "StartupSoak.h"

#if defined(__SANITIZE_ADDRESS__)
// A small quarantine of freed memory, so that resident memory reaches its level within the warm-up.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
#endif

namespace {

constexpr int kUsageError = 2;

// How far memory may rise after the warm-up. Resident memory moves by some megabytes as the allocator's and the
// sanitizers' caches settle; the heap is exact and moves only with what is alive at the checkpoint. The cut data
// file of the whole large document, rewritten by every output run, is the biggest file of the sandbox.
constexpr soak::Checkpoints::Bounds kEventBounds{32 * 1024, 256, 64ull << 20};
constexpr soak::Checkpoints::Bounds kStartupBounds{16 * 1024, 64, 1ull << 20};

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's __cxa_atexit adds an exit entry of its own for every static object a loaded module
// registers, which the C library keeps after the module is gone: some 360 bytes a start-up here.
constexpr uint64_t kSanitizerHeapBytesPerStartup = 512;
#else
constexpr uint64_t kSanitizerHeapBytesPerStartup = 0;
#endif

bool ReadCount(const char* text, uint64_t& value)
{
    char* end = nullptr;
    const unsigned long long read = std::strtoull(text, &end, 10);
    if (end == text || *end != '\0' || text[0] == '-') return false;
    value = read;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    soak::EventSoakOptions events;
    events.bounds = kEventBounds;
    soak::StartupSoakOptions startups;
    startups.bounds = kStartupBounds;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        uint64_t* value = option == "--events"     ? &events.events
                          : option == "--startups" ? &startups.startups
                          : option == "--seed"     ? &events.seed
                                                   : nullptr;
        if (!value || i + 1 == argc || !ReadCount(argv[++i], *value)) {
            std::cerr << "usage: markplug_soak [--events N] [--startups N] [--seed N]\n";
            return kUsageError;
        }
    }
    startups.bounds.heapGrowthKiB += startups.startups * kSanitizerHeapBytesPerStartup / 1024;
    try {
        drive::DriveSandbox sandbox;
        std::string problem;
        if (events.events > 0) problem = soak::RunEventSoak(events, sandbox, std::cout);
        if (problem.empty() && startups.startups > 0) problem = soak::RunStartupSoak(startups, sandbox, std::cout);
        if (!problem.empty()) {
            std::cerr << "markplug_soak: " << problem << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << "markplug_soak: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
