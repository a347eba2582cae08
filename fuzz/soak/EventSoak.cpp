#include "EventSoak.h"

#include <chrono>
#include <ostream>

#include "Checkpoints.h"
#include "DrivenHost.h"
#include "RandomPanel.h"
#include "ResidentMemory.h"

namespace soak {
namespace {

// Checkpoints after the warm-up, which is the first fifth of the run.
constexpr uint64_t kCheckpoints = 8;

Checkpoint Look(drive::DrivenHost& host, const drive::DriveSandbox& sandbox, uint64_t step)
{
    host::Host& h = host.Host();
    Checkpoint checkpoint;
    checkpoint.step = step;
    checkpoint.residentKiB = ResidentKiB();
    checkpoint.heapKiB = LiveHeapKiB();
    checkpoint.diskBytes = sandbox.UsedBytes();
    checkpoint.counts = {{"strings", h.LiveStrings()},
                         {"paths", h.LivePaths()},
                         {"blocks", h.LiveBlocks()},
                         {"matching art lists", h.LiveMatchLists()},
                         {"action parameter blocks", h.LiveActionParams()},
                         {"contexts", h.ContextDepth()},
                         {"panel listeners", host.Bus().ListenerCount()}};
    return checkpoint;
}

}  // namespace

std::string RunEventSoak(const EventSoakOptions& options, drive::DriveSandbox& sandbox, std::ostream& log)
{
    log << "events: " << options.events << " on a document of " << PathCount(options.shape)
        << " paths, opened afresh every " << options.eventsPerDocument << " events; resident memory " << ResidentKiB()
        << " KiB before the host starts" << std::endl;
    const auto start = std::chrono::steady_clock::now();
    drive::DrivenHost host({"windows", true});
    RandomPanel panel(host, options.seed);
    // eventbridge adds a host notifier for each type when it is first subscribed to, and keeps it.
    const std::size_t maxNotifiers = host.Host().NotifierCount() + RandomPanel::TypeCount();
    Checkpoints checkpoints(options.bounds);
    const uint64_t warmUp = options.events / 5;
    const uint64_t every = (options.events - warmUp) / kCheckpoints;

    for (uint64_t step = 0; step <= options.events; ++step) {
        const bool checkpoint = step >= warmUp && every > 0 && (step - warmUp) % every == 0;
        if (step % options.eventsPerDocument == 0 || checkpoint) {
            host.Host().OpenDocument(LargeDocument(options.shape));
            host.ForgetTraffic();
        }
        if (checkpoint) {
            const std::string problem = checkpoints.Add(Look(host, sandbox, step), log);
            if (!problem.empty()) return problem;
            if (host.Host().NotifierCount() > maxNotifiers)
                return std::to_string(host.Host().NotifierCount()) + " host notifiers, more than " +
                       std::to_string(maxNotifiers);
        }
        if (step == options.events) break;
        panel.Step();
        host.ForgetTraffic();
        const std::string violations = host.TakeViolations();
        if (!violations.empty()) return "event " + std::to_string(step) + ": host checks: " + violations;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    log << "events done in " << seconds << " s (" << static_cast<double>(options.events) / (seconds > 0 ? seconds : 1)
        << " a second):";
    static const char* const kKinds[] = {"operations",     "other payloads",   "selection changes",
                                         "current layers", "adapter requests", "notifications"};
    for (int kind = 0; kind < static_cast<int>(StepKind::kCount); ++kind)
        log << " " << panel.Steps(static_cast<StepKind>(kind)) << " " << kKinds[kind];
    log << "\n  by operation:";
    for (int operation = 0; operation < 17; ++operation) log << " " << operation << "=" << panel.Operations(operation);
    log << std::endl;
    if (!checkpoints.All().empty()) {
        const Checkpoint& first = checkpoints.All().front();
        const Checkpoint& last = checkpoints.All().back();
        log << "resident memory " << first.residentKiB << " KiB after the warm-up, " << last.residentKiB
            << " KiB at the end (may grow " << options.bounds.residentGrowthKiB << " KiB); heap " << first.heapKiB
            << " KiB, then " << last.heapKiB << " KiB (may grow " << options.bounds.heapGrowthKiB << " KiB)"
            << std::endl;
    }
    return {};
}

}  // namespace soak
