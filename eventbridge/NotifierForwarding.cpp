#include "NotifierForwarding.h"

#include <string>

#include "AdapterProtocol.h"
#include "EventPayloads.h"
#include "HostEventNames.h"

int32_t ForwardNotification(const PDNotifierMessage& message)
{
    if (!message.type) return 1;
    const std::string type = message.type;
    return SendAdapterEvent(HostEventType(kCppEventSuffix), NotificationPayload(type));
}
