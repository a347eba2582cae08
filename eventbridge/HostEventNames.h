// The names under which eventbridge and the panels that use it meet in the panel service. Every event type of
// the adapter is HostEventNamespace, "." and one of the suffixes below; panels use the same strings.
#ifndef EVENTBRIDGE_HOSTEVENTNAMES_H
#define EVENTBRIDGE_HOSTEVENTNAMES_H

#include <string>

inline constexpr char HostEventNamespace[] = "com.pendrake.eventbridge";

// Requests, panel to adapter.
inline constexpr char kAddEventListenerSuffix[] = "AddEventListener";
inline constexpr char kRemoveEventListenerSuffix[] = "RemoveEventListener";
inline constexpr char kPingRequestSuffix[] = "PingRequestEvent";
inline constexpr char kListEventsRequestSuffix[] = "ListEventsRequestEvent";
// Answers and forwarded notifications, adapter to every panel.
inline constexpr char kPingResponseSuffix[] = "PingResponseEvent";
inline constexpr char kListEventsResponseSuffix[] = "ListEventsResponseEvent";
inline constexpr char kCppEventSuffix[] = "CppEvent";

// The name under which the adapter adds the notifiers of panel subscriptions, and its property list name.
inline constexpr char kAdapterOwnerName[] = "eventbridge";
// The host application's four-letter code, the sender of every adapter event.
inline constexpr char kAdapterSender[] = "PNDK";

inline std::string HostEventType(const char* suffix) { return std::string(HostEventNamespace) + "." + suffix; }

#endif
