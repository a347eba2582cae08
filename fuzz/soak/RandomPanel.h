// The soak's random user: each step is one thing a panel or the user at the document does, drawn from a seeded
// generator. Mostly markplug's operations 0 to 16 with plausible payloads, also payloads of any bytes, selection
// changes, a new current layer, eventbridge requests and host notifications, the names of which come from small
// pools so that what the host keeps for them stays bounded.
#ifndef FUZZ_SOAK_RANDOMPANEL_H
#define FUZZ_SOAK_RANDOMPANEL_H

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "DrivenHost.h"

namespace soak {

enum class StepKind { Operation, AnyPayload, Selection, CurrentLayer, AdapterRequest, Notification, kCount };

class RandomPanel {
public:
    RandomPanel(drive::DrivenHost& host, uint64_t seed);
    // How many notification types the panels subscribe to: the most notifiers that eventbridge adds.
    static std::size_t TypeCount();

    void Step();
    // How many steps of each kind and of each operation were taken.
    uint64_t Steps(StepKind kind) const { return fSteps[static_cast<int>(kind)]; }
    uint64_t Operations(int operation) const { return fOperations[operation]; }

private:
    int Operation();
    std::string OperationPayload(int operation);
    std::string AnyPayload();
    void ChangeSelection();
    void ChangeCurrentLayer();
    void AdapterRequest();
    void Notification();

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(fRandom); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(fRandom); }
    std::string Number();
    std::string Length();
    std::string Target();

    drive::DrivenHost& fHost;
    std::mt19937_64 fRandom;
    std::array<uint64_t, static_cast<int>(StepKind::kCount)> fSteps{};
    std::array<uint64_t, 17> fOperations{};
};

}  // namespace soak

#endif
