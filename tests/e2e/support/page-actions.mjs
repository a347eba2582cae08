// What a person does on the pages, and what the tests read back from them: clicks on objects of the document
// view, the selection it shows, and the events of the page's event log.

export function documentObject(page, id) {
  return page.locator(`#document-canvas [data-id="${id}"]`);
}

// A point of the object that a click there hits: the middle of a filled shape's box, or half-way along an
// unfilled path's outline (the middle of its box may lie off the stroke). The view draws the document afresh
// when it changes, so the point is taken from the object that is on show when it can be hit.
async function pointOn(page, id) {
  const point = await page.waitForFunction((wanted) => {
    const element = document.querySelector(`#document-canvas [data-id="${wanted}"]`);
    if (!element?.isConnected) return null;
    let x;
    let y;
    if (getComputedStyle(element).fill === 'none' && typeof element.getPointAtLength === 'function') {
      const half = element.getPointAtLength(element.getTotalLength() / 2);
      ({ x, y } = new DOMPoint(half.x, half.y).matrixTransform(element.getScreenCTM()));
    } else {
      const box = element.getBoundingClientRect();
      x = box.left + box.width / 2;
      y = box.top + box.height / 2;
    }
    const hit = document.elementFromPoint(x, y);
    return hit === element || element.contains(hit) ? { x, y } : null;
  }, id);
  return point.jsonValue();
}

export async function clickObject(page, id, { shift = false } = {}) {
  const { x, y } = await pointOn(page, id);
  if (shift) await page.keyboard.down('Shift');
  await page.mouse.click(x, y);
  if (shift) await page.keyboard.up('Shift');
}

// Waits until the view shows exactly these objects selected, in any order (the host's selection, fetched after its
// document event).
export async function waitForSelection(page, ids) {
  await page.waitForFunction((wanted) => {
    const shown = document.getElementById('document-canvas').dataset.selection;
    return shown !== undefined && shown.split(',').filter(Boolean).sort().join(',') === wanted;
  }, [...ids].sort().join(','));
}

// The data of every event of that type that the page received, in order.
export function incoming(page, type) {
  return page.$$eval(`#event-log .log-in[data-type="${type}"] .log-data`, (entries) => entries.map((entry) => entry.textContent));
}

// The data of every payload that the page sent with that type, in order.
export function outgoing(page, type) {
  return page.$$eval(`#event-log .log-out[data-type="${type}"] .log-data`, (entries) => entries.map((entry) => entry.textContent));
}

export async function waitForIncoming(page, type, count) {
  await page.waitForFunction(
    ([wanted, at]) => document.querySelectorAll(`#event-log .log-in[data-type="${wanted}"]`).length >= at,
    [type, count],
  );
}
