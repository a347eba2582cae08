#include "EventPayloads.h"

namespace {

void AppendEventDescriptor(std::string& text, const std::string& eventId)
{
    text += "<event id=\"";
    text += eventId;
    text += "\" />";
}

}  // namespace

std::string EventListPayload(const std::vector<std::string>& eventIds)
{
    std::string text = "<![CDATA[<events>";
    for (const std::string& eventId : eventIds) AppendEventDescriptor(text, eventId);
    text += "</events>]]>";
    return text;
}

std::string NotificationPayload(const std::string& notificationType)
{
    std::string text = "<![CDATA[";
    AppendEventDescriptor(text, notificationType);
    text += "]]>";
    return text;
}
