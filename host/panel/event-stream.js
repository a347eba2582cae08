// The server's event stream: every panel event the plug-ins dispatch ("panel"), a note after every handled request
// ("document"), and the end of the session ("bye"). A connection that drops is opened again from the last panel
// event seen, so that no event is missed and none is handled twice. The server numbers the requests it handled
// (the revision) and sends the document message of one after every panel event that request made the plug-ins
// send: once the stream has reached a request's revision, the page has heard everything the request caused.
import { sessionToken } from './api.js';

const RECONNECT_DELAY_MS = 1000;

export function openEventStream({ onPanel, onDocument, onBye, onState, onFirstOpen }) {
  let lastId = null;
  let source = null;
  let ended = false;
  let opened = false;
  let revision = 0;
  let waiting = [];

  function connect() {
    const query = new URLSearchParams({ token: sessionToken() });
    if (lastId !== null) query.set('from', String(lastId));
    source = new EventSource(`/api/events?${query}`);
    source.addEventListener('open', () => {
      onState?.('connected');
      if (!opened) {
        opened = true;
        onFirstOpen?.();
      }
    });
    source.addEventListener('panel', (message) => {
      const id = Number(message.lastEventId);
      if (lastId !== null && id <= lastId) return;
      lastId = id;
      onPanel(JSON.parse(message.data), id);
    });
    source.addEventListener('document', (message) => {
      const change = JSON.parse(message.data);
      revision = Math.max(revision, change.revision);
      onDocument?.(change);
      const due = waiting.filter((waiter) => waiter.revision <= revision);
      waiting = waiting.filter((waiter) => waiter.revision > revision);
      for (const waiter of due) waiter.resolve(true);
    });
    source.addEventListener('bye', () => {
      end();
      onBye?.();
    });
    source.addEventListener('error', () => {
      if (ended) return;
      source.close();
      onState?.('reconnecting');
      setTimeout(() => {
        if (!ended) connect();
      }, RECONNECT_DELAY_MS);
    });
  }

  function end() {
    ended = true;
    source?.close();
    onState?.('closed');
    for (const waiter of waiting) waiter.resolve(false);
    waiting = [];
  }

  // Resolves true once the stream has brought the document message of that revision, false if it ends first.
  function reached(wanted) {
    if (wanted <= revision) return Promise.resolve(true);
    if (ended) return Promise.resolve(false);
    return new Promise((resolve) => waiting.push({ revision: wanted, resolve }));
  }

  connect();
  return { close: end, reached };
}
