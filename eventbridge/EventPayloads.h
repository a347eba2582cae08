// The data texts of the adapter's answers and forwarded notifications. Ids go in exactly as they are, without
// escaping: the CDATA markers are part of the text, and a panel reads the id attribute as it stands.
#ifndef EVENTBRIDGE_EVENTPAYLOADS_H
#define EVENTBRIDGE_EVENTPAYLOADS_H

#include <string>
#include <vector>

// "<![CDATA[<events>", one `<event id="ID" />` per id in the given order, "</events>]]>".
std::string EventListPayload(const std::vector<std::string>& eventIds);
// `<![CDATA[<event id="TYPE" />]]>` for one host notification.
std::string NotificationPayload(const std::string& notificationType);

#endif
