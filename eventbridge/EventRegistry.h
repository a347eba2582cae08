// EventRegistry: which extensions want which host events, and how many times each asked. A host event id is a
// notification type string of the host; any string is accepted. Delivery of an event is switched on (through
// RegisterEvent) when its first subscription comes and off (through UnregisterEvent) when its last one goes;
// the base class knows nothing of the host and its switches do nothing.
//
// Both maps order their keys byte by byte, bytes compared as unsigned values, a prefix before the longer key.
// Invariant after every operation: every count is at least 1, and an event id has an entry only while its
// delivery is on, except when switching it off failed: the id then keeps an entry with no extension in it.
#ifndef EVENTBRIDGE_EVENTREGISTRY_H
#define EVENTBRIDGE_EVENTREGISTRY_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ByteWiseLess {
    bool operator()(const std::string& a, const std::string& b) const noexcept;
};

class EventRegistry {
public:
    using ExtensionCounts = std::map<std::string, int32_t, ByteWiseLess>;
    using Subscriptions = std::map<std::string, ExtensionCounts, ByteWiseLess>;

    EventRegistry() = default;
    EventRegistry(const EventRegistry&) = delete;
    EventRegistry& operator=(const EventRegistry&) = delete;

    // Switches every subscribed event off, in ascending order of id, and forgets every subscription.
    virtual void UnregisterAll();
    // Switch delivery of an event on or off; true on success. The base class does nothing and succeeds.
    virtual bool RegisterEvent(std::string eventId, std::string extensionId);
    virtual bool UnregisterEvent(std::string eventId, std::string extensionId);

    // One more subscription of the extension to the event. The first one for an event switches it on; when
    // that fails nothing is recorded, so that the next request tries again.
    void AddListener(std::string eventId, std::string extensionId);
    // One subscription fewer; one that does not exist is ignored. The last one for an event switches it off.
    void RemoveListener(std::string eventId, std::string extensionId);
    // The events the extension holds at least one subscription to, in ascending order of id.
    std::vector<std::string> ListEvents(std::string extensionId) const;

    const Subscriptions& GetSubscriptions() const noexcept { return fSubscriptions; }

protected:
    // The one registry lives as long as the module and is never deleted through this class.
    ~EventRegistry() = default;

private:
    Subscriptions fSubscriptions;
};

#endif
