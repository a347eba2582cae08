// The cut conditions form, turned into the elements of the cut conditions operation in the plug-in's order.
const WHOLE = /^\d+$/;
const DECIMAL = /^\d+(\.\d+)?$/;

const FIELDS = [
  // [element, input id, what it is, pattern]
  ['CutForce', 'cut-force', 'The cut force', WHOLE],
  ['HalfCutForce', 'half-cut-force', 'The half-cut force', WHOLE],
  ['CutLength', 'cut-length', 'The perforation cut length', DECIMAL],
  ['HalfCutLength', 'half-cut-length', 'The perforation half-cut length', DECIMAL],
  ['CutQuality', 'cut-quality', 'The cut quality', WHOLE],
  ['CutSpeed', 'cut-speed', 'The cut speed', WHOLE],
  ['CutterOffset', 'cutter-offset', 'The cutter offset', DECIMAL],
  ['UseMachineCutCondition', 'use-machine-cut', null, null],
  ['UseMachinePerforationCondition', 'use-machine-perforation', null, null],
  ['CutOverlapCount', 'overlap-count', 'The number of overlap passes', WHOLE],
];

// The elements, or null with the problem shown in problem.
export function cutConditionElements(problem) {
  const elements = [];
  for (const [name, id, what, pattern] of FIELDS) {
    const input = document.getElementById(id);
    if (input.type === 'checkbox') {
      elements.push([name, input.checked ? '1' : '0']);
      continue;
    }
    const text = input.value.trim();
    if (!pattern.test(text)) {
      problem.textContent = `${what} must be ${pattern === WHOLE ? 'a whole number' : 'a number such as 0.25'}.`;
      problem.hidden = false;
      input.focus();
      return null;
    }
    elements.push([name, text]);
  }
  problem.hidden = true;
  return elements;
}
