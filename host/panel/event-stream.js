// The server's event stream: every panel event the plug-ins dispatch ("panel"), a note after every handled request
// ("document"), and the end of the session ("bye"). A connection that drops is opened again from the last panel
// event seen, so that no event is missed and none is handled twice.
import { sessionToken } from './api.js';

const RECONNECT_DELAY_MS = 1000;

export function openEventStream({ onPanel, onDocument, onBye, onState, onFirstOpen }) {
  let lastId = null;
  let source = null;
  let ended = false;
  let opened = false;

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
    source.addEventListener('document', (message) => onDocument?.(JSON.parse(message.data)));
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
  }

  connect();
  return { close: end };
}
