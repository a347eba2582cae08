#include "EventRegistry.h"

#include <algorithm>
#include <cstring>
#include <limits>

bool ByteWiseLess::operator()(const std::string& a, const std::string& b) const noexcept
{
    // memcmp compares bytes as unsigned char; on equal leading bytes the shorter key comes first.
    const int order = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return order != 0 ? order < 0 : a.size() < b.size();
}

void EventRegistry::UnregisterAll()
{
    for (const auto& entry : fSubscriptions) UnregisterEvent(entry.first, "");
    fSubscriptions.clear();
}

bool EventRegistry::RegisterEvent(std::string, std::string) { return true; }

bool EventRegistry::UnregisterEvent(std::string, std::string) { return true; }

void EventRegistry::AddListener(std::string eventId, std::string extensionId)
{
    const auto event = fSubscriptions.find(eventId);
    if (event != fSubscriptions.end()) {
        int32_t& count = event->second[extensionId];
        // A count at the top of its range stays there rather than overflow.
        if (count < std::numeric_limits<int32_t>::max()) ++count;
        return;
    }
    if (!RegisterEvent(eventId, extensionId)) return;
    fSubscriptions[std::move(eventId)][std::move(extensionId)] = 1;
}

void EventRegistry::RemoveListener(std::string eventId, std::string extensionId)
{
    const auto event = fSubscriptions.find(eventId);
    if (event == fSubscriptions.end()) return;
    ExtensionCounts& extensions = event->second;
    const auto extension = extensions.find(extensionId);
    if (extension == extensions.end()) return;
    if (extension->second > 1) {
        --extension->second;
        return;
    }
    extensions.erase(extension);
    if (extensions.empty() && UnregisterEvent(eventId, extensionId)) fSubscriptions.erase(event);
}

std::vector<std::string> EventRegistry::ListEvents(std::string extensionId) const
{
    std::vector<std::string> events;
    for (const auto& [eventId, extensions] : fSubscriptions)
        if (extensions.count(extensionId)) events.push_back(eventId);
    return events;
}
