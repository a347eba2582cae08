#include "PDEventRegistry.h"

#include <utility>

PDEventRegistry::PDEventRegistry(ZBPlugin* plugin, std::string ownerName, const PDNotifierSuite3* notifierSuite)
    : fPlugin(plugin), fOwnerName(std::move(ownerName)), fNotifierSuite(notifierSuite)
{
}

bool PDEventRegistry::RegisterEvent(std::string eventId, std::string)
{
    if (!fNotifierSuite) return false;
    const auto known = fNotifiers.find(eventId);
    if (known != fNotifiers.end()) return fNotifierSuite->SetNotifierActive(known->second, 1) == kNoErr;

    PDNotifierHandle notifier = nullptr;
    if (fNotifierSuite->AddNotifier(fPlugin, fOwnerName.c_str(), eventId.c_str(), &notifier) != kNoErr) return false;
    fNotifiers.emplace(std::move(eventId), notifier);
    return true;
}

bool PDEventRegistry::UnregisterEvent(std::string eventId, std::string)
{
    const auto known = fNotifiers.find(eventId);
    if (known == fNotifiers.end()) return true;
    return fNotifierSuite && fNotifierSuite->SetNotifierActive(known->second, 0) == kNoErr;
}
