// The document as the host writes it, shown inline: every object with an id can be clicked to select it (shift
// adds it, or takes it out again), the selection is outlined, the plug-in's tags are drawn in their own colours,
// and two things the plug-in reports are laid over it: the paths its preview covers and the crop frame.
// The view shows the host's state only: it fetches the document and the selection after every document event.
import { getDocument, getSelection, selectObjects } from './api.js';
import { markTaggedArt, paintCropMarks } from './art-tags.js';
import { pathElementsInHostOrder } from './path-order.js';
import { HOST_NAMESPACE, SVG_NAMESPACE, isLayer } from './svg-names.js';

// Points around an outlined object, so that a straight line still shows a box; the preview's boxes lie outside
// the selection's.
const BOX_PADDING = { 'selection-box': 2, 'target-box': 6 };

function svgElement(name, attributes = {}) {
  const element = document.createElementNS(SVG_NAMESPACE, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  return element;
}

// The element's box in the root's user space (points, y downward), or null when it is not drawn.
function boxInRoot(element, root) {
  const own = element.getScreenCTM();
  const rootMatrix = root.getScreenCTM();
  if (!own || !rootMatrix) return null;
  const box = element.getBBox();
  const toRoot = rootMatrix.inverse().multiply(own);
  const corners = [
    [box.x, box.y], [box.x + box.width, box.y], [box.x, box.y + box.height], [box.x + box.width, box.y + box.height],
  ].map(([x, y]) => new DOMPoint(x, y).matrixTransform(toRoot));
  const xs = corners.map((p) => p.x);
  const ys = corners.map((p) => p.y);
  return { x: Math.min(...xs), y: Math.min(...ys), width: Math.max(...xs) - Math.min(...xs), height: Math.max(...ys) - Math.min(...ys) };
}

function isLocked(element, root) {
  for (let at = element; at && at !== root; at = at.parentElement) {
    if (at.getAttributeNS(HOST_NAMESPACE, 'locked') === 'true') return true;
  }
  return false;
}

// The innermost object with an id at the click, not a layer; null on the page itself.
function objectAt(target, root) {
  for (let at = target; at && at !== root; at = at.parentElement) {
    if (at.dataset?.id !== undefined && !isLayer(at)) return at;
  }
  return null;
}

export class DocumentView {
  // canvas: the element that holds the drawing; caption: where the selection is named.
  constructor({ canvas, caption, onError, onRendered }) {
    this.canvas = canvas;
    this.caption = caption;
    this.onError = onError;
    this.onRendered = onRendered;
    this.root = null;
    this.revision = null;
    this.svgText = null;
    this.selection = [];
    this.previewPaths = [];
    this.cropFrame = null;
    this.pathOrder = [];
    this.fetching = null;
    this.fetchAgain = false;
  }

  // Fetches the document and the selection again; requests while a fetch runs make one more fetch after it.
  refresh() {
    if (this.fetching) {
      this.fetchAgain = true;
      return this.fetching;
    }
    this.fetching = (async () => {
      do {
        this.fetchAgain = false;
        try {
          const [documentText, selection] = await Promise.all([getDocument(), getSelection()]);
          // Most requests change nothing of the drawing (a preview, a selection): it is drawn again only when
          // its text changed, so that what the user points at stays put.
          if (documentText.svg !== this.svgText) this.render(documentText.svg);
          this.revision = documentText.revision;
          this.canvas.dataset.revision = String(documentText.revision);
          this.selection = selection;
          this.drawOverlays();
          this.onRendered?.();
        } catch (error) {
          this.onError?.(`The document could not be shown: ${error.message}`);
        }
      } while (this.fetchAgain);
      this.fetching = null;
    })();
    return this.fetching;
  }

  // paths: [{position, cutLine}] from the plug-in's preview information.
  setPreview(paths) {
    this.previewPaths = paths;
    this.drawOverlays();
  }

  // The crop frame the plug-in reported (mark centres in page points, y upward).
  setCropFrame(corner) {
    this.cropFrame = corner;
    this.drawOverlays();
  }

  // The id of the object that draws the path at a 1-based position of the host's path list, or null.
  idAtPosition(position) {
    const element = this.pathOrder[position - 1];
    return element?.dataset.id ?? null;
  }

  render(svgText) {
    const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
    const source = parsed.documentElement;
    if (source.localName !== 'svg' || parsed.getElementsByTagName('parsererror').length > 0) {
      throw new Error('the host sent no SVG document');
    }
    const root = document.importNode(source, true);
    // The document's ids become data-id, so that they cannot meet the page's own ids.
    for (const element of [root, ...root.querySelectorAll('[id]')]) {
      if (!element.hasAttribute('id')) continue;
      element.dataset.id = element.getAttribute('id');
      element.removeAttribute('id');
    }
    root.removeAttribute('width');
    root.removeAttribute('height');
    root.classList.add('document-drawing');
    markTaggedArt(root);
    const viewBox = root.viewBox.baseVal;
    const page = svgElement('rect', { class: 'page-sheet', x: viewBox.x, y: viewBox.y, width: viewBox.width, height: viewBox.height });
    root.insertBefore(page, root.firstChild);
    this.overlay = svgElement('g', { class: 'view-overlay' });
    root.appendChild(this.overlay);
    root.addEventListener('click', (event) => this.clicked(event));

    this.canvas.replaceChildren(root);
    paintCropMarks(root);
    this.root = root;
    this.svgText = svgText;
    this.pathOrder = pathElementsInHostOrder(root);
  }

  clicked(event) {
    const object = objectAt(event.target, this.root);
    if (object && isLocked(object, this.root)) return;
    const id = object?.dataset.id ?? null;
    let ids;
    if (event.shiftKey) {
      if (id === null) return;
      ids = this.selection.includes(id) ? this.selection.filter((one) => one !== id) : [...this.selection, id];
    } else {
      ids = id === null ? [] : [id];
    }
    selectObjects(ids).catch((error) => this.onError?.(`The selection could not be changed: ${error.message}`));
  }

  drawOverlays() {
    if (!this.root) return;
    const root = this.root;
    for (const element of root.querySelectorAll('.is-selected, .is-target')) element.classList.remove('is-selected', 'is-target');
    this.overlay.replaceChildren();

    if (this.cropFrame) this.drawCropFrame(this.cropFrame);
    const targets = new Set(this.previewPaths.map(({ position }) => this.pathOrder[position - 1]).filter(Boolean));
    for (const element of targets) {
      element.classList.add('is-target');
      this.drawBox(element, 'target-box');
    }
    const selected = new Set(this.selection);
    for (const element of root.querySelectorAll('[data-id]')) {
      if (!selected.has(element.dataset.id)) continue;
      element.classList.add('is-selected');
      this.drawBox(element, 'selection-box');
    }
    this.canvas.dataset.selection = this.selection.join(',');
    if (this.caption) {
      this.caption.textContent = this.selection.length === 0 ? 'Nothing selected' : `Selected: ${this.selection.join(', ')}`;
    }
  }

  drawBox(element, className) {
    const box = boxInRoot(element, this.root);
    if (!box) return;
    this.overlay.appendChild(svgElement('rect', {
      class: className,
      x: box.x - BOX_PADDING[className],
      y: box.y - BOX_PADDING[className],
      width: box.width + 2 * BOX_PADDING[className],
      height: box.height + 2 * BOX_PADDING[className],
    }));
  }

  // Page points have y upward from the page's bottom; the drawing's user space has y downward from its top.
  drawCropFrame({ left, top, right, bottom }) {
    if (![left, top, right, bottom].every(Number.isFinite)) return;
    const height = this.root.viewBox.baseVal.height;
    this.overlay.appendChild(svgElement('rect', {
      class: 'crop-frame',
      x: Math.min(left, right),
      y: height - Math.max(top, bottom),
      width: Math.abs(right - left),
      height: Math.abs(top - bottom),
    }));
  }
}
