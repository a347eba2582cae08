#include "StartupSoak.h"

#include <chrono>
#include <ostream>

#include "Checkpoints.h"
#include "DrivenHost.h"
#include "FixedDocument.h"
#include "ResidentMemory.h"

namespace soak {
namespace {

constexpr uint64_t kCheckpoints = 8;

// One round; the problem, or empty.
std::string Round(uint64_t round)
{
    drive::DrivenHost host({round % 2 == 0 ? "windows" : "macos", true});
    host.Host().OpenDocument(drive::FixedDocument());
    host.Click("<payload><operation>8</operation></payload>");
    host.Request("com.example.watcher", "PingRequestEvent", "");
    bool models = false;
    bool pong = false;
    for (const auto& event : host.Bus().TakeEvents()) {
        models = models || event.fType == "com.varrowkt.talvex.TalvexSendMachineTypeList";
        pong = pong || event.fType == "com.pendrake.eventbridge.PingResponseEvent";
    }
    if (!models || !pong) return "round " + std::to_string(round) + ": a plug-in did not answer its panel";
    const std::string violations = host.TakeViolations();
    if (!violations.empty()) return "round " + std::to_string(round) + ": host checks: " + violations;
    return {};
}

}  // namespace

std::string RunStartupSoak(const StartupSoakOptions& options, drive::DriveSandbox& sandbox, std::ostream& log)
{
    log << "start-ups: " << options.startups << std::endl;
    const auto start = std::chrono::steady_clock::now();
    Checkpoints checkpoints(options.bounds);
    const uint64_t warmUp = options.startups / 5;
    const uint64_t every = (options.startups - warmUp) / kCheckpoints;
    for (uint64_t round = 0; round <= options.startups; ++round) {
        if (round >= warmUp && every > 0 && (round - warmUp) % every == 0) {
            const std::string problem =
                checkpoints.Add({round, ResidentKiB(), LiveHeapKiB(), sandbox.UsedBytes(), {}}, log);
            if (!problem.empty()) return problem;
        }
        if (round == options.startups) break;
        const std::string problem = Round(round);
        if (!problem.empty()) return problem;
        sandbox.RemoveCutFiles();  // every start makes a cut data file of its own
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    log << "start-ups done in " << seconds << " s";
    if (!checkpoints.All().empty()) {
        const Checkpoint& first = checkpoints.All().front();
        const Checkpoint& last = checkpoints.All().back();
        log << "; resident memory " << first.residentKiB << " KiB after the warm-up, " << last.residentKiB
            << " KiB at the end (may grow " << options.bounds.residentGrowthKiB << " KiB); heap " << first.heapKiB
            << " KiB, then " << last.heapKiB << " KiB (may grow " << options.bounds.heapGrowthKiB << " KiB)";
    }
    log << std::endl;
    return {};
}

}  // namespace soak
