// The readable side of the conversation: what the plug-ins answered and what went wrong, newest first.
const KEPT_NOTICES = 60;

export class Notices {
  constructor(list) {
    this.list = list;
  }

  // kind: 'reply', 'done', 'warning' or 'error'; lines: further lines of detail.
  add(kind, title, lines = []) {
    const item = document.createElement('li');
    item.className = `notice notice-${kind}`;
    item.dataset.kind = kind;
    const heading = document.createElement('strong');
    heading.textContent = title;
    item.appendChild(heading);
    for (const line of lines) {
      const detail = document.createElement('div');
      detail.textContent = line;
      item.appendChild(detail);
    }
    this.list.prepend(item);
    while (this.list.children.length > KEPT_NOTICES) this.list.lastElementChild.remove();
    return item;
  }
}
