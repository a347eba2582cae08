// The host notifications page: subscribes through eventbridge to a host notification by name, shows every
// notification as it arrives, and unsubscribes; the document view beside it changes the selection, which is
// what "PD Art Selection Changed Notifier" reports.
import { getInfo, pageAddress, sendEvent } from './api.js';
import { DocumentView } from './document-view.js';
import { Answer, BRIDGE_PAGE_EXTENSION, Request, SELECTION_CHANGED, eventIds } from './eventbridge-protocol.js';
import { EventLog } from './event-log.js';
import { openEventStream } from './event-stream.js';
import { PANEL_EXTENSION } from './markplug-protocol.js';
import { Notices } from './notices.js';
import { SessionControls } from './session-controls.js';

const $ = (id) => document.getElementById(id);

const notices = new Notices($('notices'));
const log = new EventLog($('event-log'));
const session = new SessionControls({
  artworkLabel: $('artwork'), saveButton: $('save-and-quit'), quitButton: $('quit'), banner: $('session-banner'), notices,
});
const view = new DocumentView({
  canvas: $('document-canvas'), caption: $('selection-caption'), onError: (text) => notices.add('error', text),
});

let extension = BRIDGE_PAGE_EXTENSION;
let received = 0;

async function request(type, data) {
  log.add('out', { type, extension, data });
  try {
    return await sendEvent(extension, type, data);
  } catch (error) {
    notices.add('error', `The host did not take ${type.split('.').pop()}`, [error.message]);
    throw error;
  }
}

function notificationName() {
  const name = $('notification-type').value.trim();
  if (name === '') notices.add('error', 'Name the notification first');
  return name;
}

function onClick(id, work) {
  $(id).addEventListener('click', () => work().catch(() => {}));
}

onClick('subscribe', async () => {
  const name = notificationName();
  if (!name) return;
  await request(Request.AddEventListener, name);
  // The adapter does not answer a subscription; its list tells whether the host took it.
  notices.add('done', `Subscribed to ${name}`);
  await request(Request.ListEvents, '');
});
onClick('unsubscribe', async () => {
  const name = notificationName();
  if (!name) return;
  await request(Request.RemoveEventListener, name);
  notices.add('done', `Unsubscribed from ${name}`);
  await request(Request.ListEvents, '');
});
onClick('list-subscriptions', () => request(Request.ListEvents, ''));
onClick('ping', () => request(Request.Ping, ''));
onClick('clear-log', async () => log.clear());

function showNotification(data, id) {
  received += 1;
  const [name = data] = eventIds(data);
  const item = document.createElement('li');
  item.dataset.notification = name;
  const title = document.createElement('span');
  title.className = 'notification-id';
  title.textContent = name;
  item.append(title, ` — event #${id}, notification ${received}`);
  $('notifications').prepend(item);
  $('notification-count').textContent = `${received} received`;
}

function showSubscriptions(data) {
  const ids = eventIds(data);
  $('subscriptions').replaceChildren(...ids.map((name) => {
    const item = document.createElement('li');
    item.textContent = name;
    return item;
  }));
  notices.add('reply', ids.length === 0 ? 'No subscriptions' : `Subscriptions: ${ids.length}`, ids);
}

const answers = {
  [Answer.Notification]: showNotification,
  [Answer.ListEvents]: showSubscriptions,
  [Answer.Ping]: () => notices.add('reply', 'eventbridge answered the ping'),
};

async function start() {
  $('notification-type').value = SELECTION_CHANGED;
  try {
    const info = await getInfo();
    session.show(info);
    // Any extension the server offers other than the cutting panel's.
    extension = info.extensions?.find((one) => one !== PANEL_EXTENSION) ?? BRIDGE_PAGE_EXTENSION;
  } catch (error) {
    notices.add('error', 'The host did not answer', [error.message]);
    return;
  }
  $('extension-id').textContent = extension;
  $('panel-link').href = pageAddress('/');
  view.refresh();
  openEventStream({
    onPanel: (event, id) => {
      log.add('in', { id, ...event });
      answers[event.type]?.(event.data ?? '', id);
    },
    onDocument: () => view.refresh(),
    onBye: () => session.end(),
    onState: (state) => {
      $('connection').dataset.state = state;
      $('connection').textContent = state;
    },
  });
}

start();
