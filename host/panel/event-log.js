// The event log: every event the page sent and every event the plug-ins dispatched, with their data exactly as
// they travelled, newest at the bottom.
const KEPT_ENTRIES = 500;

export class EventLog {
  constructor(list) {
    this.list = list;
    // The log follows the newest entry until the user scrolls up, and again once they scroll back down.
    this.follow = true;
    list.addEventListener('scroll', () => {
      this.follow = list.scrollTop + list.clientHeight >= list.scrollHeight - 4;
    });
  }

  // direction: 'in' (from the plug-ins, with the stream's id) or 'out' (sent by this page).
  add(direction, { id = null, type, sender = null, extension = null, data = null }) {
    const entry = document.createElement('li');
    entry.className = `log-entry log-${direction}`;
    entry.dataset.direction = direction;
    entry.dataset.type = type;
    if (id !== null) entry.dataset.id = String(id);

    const head = document.createElement('div');
    head.className = 'log-head';
    const arrow = direction === 'in' ? '←' : '→';
    const number = id === null ? '' : `#${id} `;
    const from = [sender && `sender ${sender}`, extension && `extension ${extension}`].filter(Boolean).join(', ');
    head.textContent = `${arrow} ${number}${type}${from ? ` (${from})` : ''}`;
    const body = document.createElement('code');
    body.className = 'log-data';
    body.textContent = data ?? '';
    entry.append(head, body);

    this.list.appendChild(entry);
    while (this.list.children.length > KEPT_ENTRIES) this.list.firstElementChild.remove();
    if (this.follow) this.list.scrollTop = this.list.scrollHeight;
  }

  clear() {
    this.list.replaceChildren();
  }
}
