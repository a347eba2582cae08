// Turns a host notification into a panel event. The host only delivers notifications of the notifiers that the
// registry keeps active, so no lookup is needed here: every one that arrives is relayed, once, at once.
#ifndef EVENTBRIDGE_NOTIFIERFORWARDING_H
#define EVENTBRIDGE_NOTIFIERFORWARDING_H

#include <cstdint>

#include "pendrake/ZBPlugin.h"

// Sends a ".CppEvent" naming the notification's type to every panel listening for it; returns the dispatch
// result (1 when the panel library is not bound or the message names no type).
int32_t ForwardNotification(const PDNotifierMessage& message);

#endif
