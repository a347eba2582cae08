// What markplug's panel and the plug-in say to each other: the event types, the operation numbers and the payload
// texts the panel sends. A payload is <payload><operation>N</operation> followed by the operation's elements,
// without attributes, blanks or escaping.

export const PANEL_EXTENSION = 'com.varrowkt.talvex.panel';
const NAMESPACE = 'com.varrowkt.talvex';
export const OPERATION_CLICKED = `${NAMESPACE}.OperationClicked`;

export const Operation = Object.freeze({
  CreateOutline: 0,
  OutputRun: 1,
  OutlineStrokes: 2,
  OffsetPath: 3,
  UnitePaths: 4,
  ToggleCutTag: 5,
  MakeCropMarks: 6,
  DeleteCropMarks: 7,
  SendMachineTypeList: 8,
  SendCropmarkParamList: 9,
  SetCropParameters: 10,
  SendCropCorner: 11,
  OpenHelp: 12,
  SendPreviewInfo: 13,
  RedrawPreview: 14,
  TogglePerforationTag: 15,
  SetCutConditions: 16,
});

// What each operation does, in the words of the page's messages.
const OPERATION_LABELS = [
  'text to outlines', 'the output run', 'strokes to outlines', 'the offset contour', 'uniting shapes',
  'cut line marking', 'making crop marks', 'deleting crop marks', 'the cutter models', 'the default crop settings',
  'the crop settings', 'the crop frame', 'help', 'the preview', 'the preview redraw', 'perforation line marking',
  'the cut conditions',
];

export function operationLabel(operation) {
  return OPERATION_LABELS[operation] ?? `operation ${operation}`;
}

// The events the plug-in sends back.
export const Reply = Object.freeze({
  RedrawPreview: `${NAMESPACE}.TalvexRedrawPreview`,
  PreviewInfo: `${NAMESPACE}.TalvexSendPreviewInfo`,
  Message: `${NAMESPACE}.TalvexDispMessage`,
  MachineTypeList: `${NAMESPACE}.TalvexSendMachineTypeList`,
  CropmarkParamList: `${NAMESPACE}.TalvexSendCropmarkParamList`,
  CropCorner: `${NAMESPACE}.TalvexSendCropCorner`,
});

// The Target of the preview and the output run: which paths they take.
export const Target = Object.freeze({ All: 0, Selected: 1, CurrentLayer: 2, CutLines: 3, PerforationLines: 4 });

// The message numbers of Reply.Message.
export const MessageNumber = Object.freeze({ CuttingAppNotInstalled: 1, CutFileIncomplete: 2 });

// The string tags the plug-in puts on art; the document keeps them as <pd:tag name="...">.
export const Tag = Object.freeze({
  CropMark: 'TalvexCropMark',
  CutLine: 'TalvexCutMark',
  PerforationLine: 'TalvexPerforationMark',
});

// The payload of one operation; elements is a list of [name, text] in the order they are written.
export function operationPayload(operation, elements = []) {
  let payload = `<payload><operation>${operation}</operation>`;
  for (const [name, text] of elements) {
    const value = String(text);
    // The payload has no escaping: a text holding markup would end its element early.
    if (/[<>&]/.test(value)) throw new Error(`the value of ${name} may not contain <, > or &`);
    payload += `<${name}>${value}</${name}>`;
  }
  return `${payload}</payload>`;
}
