// What the panel bus keeps of the traffic through it: copies of dispatched events and the extension calls.
#ifndef WIRELET_EVENTRECORD_H
#define WIRELET_EVENTRECORD_H

#include <cstdint>
#include <optional>
#include <string>

namespace wirelet {

// A copy of one dispatched event. A null text of the record is std::nullopt, an empty one is "".
struct EventRecord {
    std::string fType;
    std::int32_t fScope = 0;
    std::optional<std::string> fSender;
    std::optional<std::string> fExtension;
    std::optional<std::string> fData;
    // True when the host injected the event (as if a panel had sent it), false when it came through
    // the "WireletDispatchEvent" entry point.
    bool fFromHost = false;

    bool operator==(const EventRecord&) const = default;
};

// One call of "WireletLoadExtension" or "WireletUnloadExtension".
struct ExtensionCall {
    enum class Kind { kLoad, kUnload };
    Kind fKind = Kind::kLoad;
    std::string fExtensionId;

    bool operator==(const ExtensionCall&) const = default;
};

}  // namespace wirelet

#endif
