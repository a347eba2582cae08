// Reading the plug-in's reply payloads. An element is found as the plug-in finds them: the first opening tag, the
// first closing tag, and the text between; repeated elements (one per cutter model) are taken in order.

// The text of the first element of that name, or null when the payload has none.
export function elementText(payload, name) {
  const opening = `<${name}>`;
  const closing = `</${name}>`;
  const openingAt = payload.indexOf(opening);
  const closingAt = payload.indexOf(closing);
  if (openingAt < 0 || closingAt < 0) return null;
  const valueAt = openingAt + opening.length;
  return closingAt < valueAt ? null : payload.slice(valueAt, closingAt);
}

// The texts of every element of that name, in order.
function everyElement(payload, name) {
  const texts = [];
  const opening = `<${name}>`;
  const closing = `</${name}>`;
  let at = 0;
  for (;;) {
    const start = payload.indexOf(opening, at);
    if (start < 0) return texts;
    const end = payload.indexOf(closing, start + opening.length);
    if (end < 0) return texts;
    texts.push(payload.slice(start + opening.length, end));
    at = end + closing.length;
  }
}

function numberIn(payload, name) {
  const text = elementText(payload, name);
  return text === null ? NaN : Number(text);
}

// [{id, name, origin: 'TOP'|'BOTTOM', cropCounts: [3] | [4] | [3, 4], cropRadius}] in the plug-in's order.
export function parseMachineTypeList(payload) {
  return everyElement(payload, 'MachineType').map((model) => ({
    id: numberIn(model, 'id'),
    name: elementText(model, 'Name') ?? '',
    origin: elementText(model, 'Origin') ?? '',
    cropCounts: (elementText(model, 'CropCount') ?? '')
      .split(',')
      .filter((count) => count !== '')
      .map(Number),
    cropRadius: numberIn(model, 'CropRadius'),
  }));
}

// Map from model id to its default settings {X, Y, W, L}, texts in millimetres exactly as sent.
export function parseCropmarkParamList(payload) {
  const defaults = new Map();
  for (const row of everyElement(payload, 'CropmarkParam')) {
    defaults.set(numberIn(row, 'id'), {
      X: elementText(row, 'X') ?? '',
      Y: elementText(row, 'Y') ?? '',
      W: elementText(row, 'W') ?? '',
      L: elementText(row, 'L') ?? '',
    });
  }
  return defaults;
}

// The crop frame's mark centres in page points (y upward) and the offset {x, y} of the marks' area to the page.
export function parseCropCorner(payload) {
  return {
    left: numberIn(payload, 'LEFT'),
    top: numberIn(payload, 'TOP'),
    right: numberIn(payload, 'RIGHT'),
    bottom: numberIn(payload, 'BOTTOM'),
    x: numberIn(payload, 'X'),
    y: numberIn(payload, 'Y'),
  };
}

// {cropMarks: whether the document has crop marks, paths: [{position (1-based), cutLine}]}.
export function parsePreviewInfo(payload) {
  const list = elementText(payload, 'indexes') ?? '';
  const paths = list === ''
    ? []
    : list.split(',').map((entry) => {
      const index = Number(entry);
      return { position: Math.abs(index), cutLine: index < 0 };
    });
  return { cropMarks: elementText(payload, 'ExistCropMark') === '1', paths };
}

export function parseMessage(payload) {
  return numberIn(payload, 'Num');
}
