// What a panel and eventbridge say to each other: requests with the host notification's name as data, and the
// adapter's answers, which reach every panel that listens for their type.
const NAMESPACE = 'com.pendrake.eventbridge';

export const Request = Object.freeze({
  AddEventListener: `${NAMESPACE}.AddEventListener`,
  RemoveEventListener: `${NAMESPACE}.RemoveEventListener`,
  Ping: `${NAMESPACE}.PingRequestEvent`,
  ListEvents: `${NAMESPACE}.ListEventsRequestEvent`,
});

export const Answer = Object.freeze({
  Ping: `${NAMESPACE}.PingResponseEvent`,
  ListEvents: `${NAMESPACE}.ListEventsResponseEvent`,
  Notification: `${NAMESPACE}.CppEvent`,
});

// The extension this page sends as, when the server offers it.
export const BRIDGE_PAGE_EXTENSION = NAMESPACE;

export const SELECTION_CHANGED = 'PD Art Selection Changed Notifier';

// The ids of the <event id="..." /> elements of an answer; ids are written without escaping, so an id runs to
// the quote that the " />" of its element follows.
export function eventIds(data) {
  const ids = [];
  const pattern = /<event id="(.*?)" \/>/g;
  for (let match = pattern.exec(data); match; match = pattern.exec(data)) ids.push(match[1]);
  return ids;
}
