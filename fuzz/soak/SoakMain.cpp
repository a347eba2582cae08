// markplug_soak: one process, a long run. First random panel events on a large document in a host with both
// plug-ins, then start-up and shut-down of the host with both plug-ins, over and over; see EventSoak.h and
// StartupSoak.h. The output run writes into a sandbox and starts no program.
//
//   markplug_soak [--events N] [--startups N] [--seed N]
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
constexpr soak::Checkpoints::Bounds kEventBounds{32 * 1024, 1024, 64ull << 20};
constexpr soak::Checkpoints::Bounds kStartupBounds{16 * 1024, 256, 1ull << 20};

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
    try {
        drive::DriveSandbox sandbox;
        std::string problem = soak::RunEventSoak(events, sandbox, std::cout);
        if (problem.empty()) problem = soak::RunStartupSoak(startups, sandbox, std::cout);
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
