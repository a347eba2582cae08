// The preview in words: whether crop marks exist and which paths the chosen target covers, named by their ids.
export const TARGET_CHOICES = [
  // [Target, label of the preview, label of the output]
  [3, 'Cut lines', 'Cut lines'],
  [4, 'Perforation lines', 'Perforation lines'],
  [1, 'Selected paths', 'Selected paths'],
  [2, 'Paths on the current layer', 'Paths on the current layer'],
  [0, 'All paths', 'All paths'],
];

export function fillTargetChoices(select, column, { perforation }) {
  for (const [target, previewLabel, outputLabel] of TARGET_CHOICES) {
    if (target === 4 && !perforation) continue;
    select.appendChild(new Option(column === 'preview' ? previewLabel : outputLabel, String(target)));
  }
}

// preview: {cropMarks, paths: [{position, cutLine}]}; idAt: position -> SVG id or null.
export function previewLines(preview, idAt) {
  const lines = [preview.cropMarks ? 'Crop marks: present.' : 'Crop marks: none yet.'];
  if (preview.paths.length === 0) {
    lines.push('No path is covered.');
    return lines;
  }
  const named = preview.paths.map(({ position, cutLine }) => {
    const id = idAt(position);
    const name = id === null ? `path ${position}` : `${id} (path ${position})`;
    return cutLine ? `${name}, cut line` : name;
  });
  lines.push(`${preview.paths.length} ${preview.paths.length === 1 ? 'path' : 'paths'}: ${named.join('; ')}.`);
  return lines;
}
