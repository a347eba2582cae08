// The plug-in's replies as the tests expect them, word for word (the Windows feature set).

export const Type = Object.freeze({
  OperationClicked: 'com.varrowkt.talvex.OperationClicked',
  MachineTypeList: 'com.varrowkt.talvex.TalvexSendMachineTypeList',
  CropmarkParamList: 'com.varrowkt.talvex.TalvexSendCropmarkParamList',
  CropCorner: 'com.varrowkt.talvex.TalvexSendCropCorner',
  PreviewInfo: 'com.varrowkt.talvex.TalvexSendPreviewInfo',
  RedrawPreview: 'com.varrowkt.talvex.TalvexRedrawPreview',
  Message: 'com.varrowkt.talvex.TalvexDispMessage',
  AddEventListener: 'com.pendrake.eventbridge.AddEventListener',
  RemoveEventListener: 'com.pendrake.eventbridge.RemoveEventListener',
  ListEventsResponse: 'com.pendrake.eventbridge.ListEventsResponseEvent',
  PingResponse: 'com.pendrake.eventbridge.PingResponseEvent',
  Notification: 'com.pendrake.eventbridge.CppEvent',
});

// [name, origin, crop counts] of the nine cutter models, in the plug-in's order.
const MODELS = [
  ['KM-1', 'TOP', '3'], ['KM-2', 'TOP', '3'], ['KM-3', 'TOP', '3'], ['TR-1', 'BOTTOM', '3'],
  ['TR-2', 'BOTTOM', '4'], ['TR-3', 'BOTTOM', '4'], ['TR-4', 'BOTTOM', '4'], ['TR-5', 'BOTTOM', '4'],
  ['TS-1', 'BOTTOM', '3,4'],
];

// [X, Y, W, L] in millimetres: each model's default crop settings.
const DEFAULTS = [
  [25, 6, 150, 250], [23, 6, 240, 163], [23, 6, 240, 163], [15, 20, 170, 210],
  [10, 30, 170, 215], [10, 30, 170, 215], [10, 30, 170, 215], [10, 30, 170, 215], [10, 20, 170, 200],
];

export const MODEL_LIST = `<payload><MachineTypeList>${MODELS.map(([name, origin, counts], id) => (
  `<MachineType><id>${id}</id><Name>${name}</Name><Origin>${origin}</Origin><CropCount>${counts}</CropCount>`
  + '<CropRadius>14.1732</CropRadius></MachineType>')).join('')}</MachineTypeList></payload>`;

export const DEFAULT_SETTINGS = `<payload><CropmarkParamList>${DEFAULTS.map(([x, y, w, l], id) => (
  `<CropmarkParam><id>${id}</id><X>${x}</X><Y>${y}</Y><W>${w}</W><L>${l}</L></CropmarkParam>`)).join('')}`
  + '</CropmarkParamList></payload>';

// The frame of the starting settings (TR-1's, no crop count chosen: three marks hung from the frame's top).
export const STARTING_CORNER = '<payload><CropCorner><LEFT>56.6929</LEFT><TOP>666.142</TOP><RIGHT>538.583</RIGHT>'
  + '<BOTTOM>70.8661</BOTTOM><X>-42.5197</X><Y>-56.6929</Y></CropCorner></payload>';

// TS-1 with four marks: the frame moved 5 mm right and up to make room for the corner brackets.
export const TS1_FOUR_MARKS_CORNER = '<payload><CropCorner><LEFT>56.6929</LEFT><TOP>651.969</TOP><RIGHT>538.583</RIGHT>'
  + '<BOTTOM>85.0394</BOTTOM><X>-28.3465</X><Y>-56.6929</Y></CropCorner></payload>';

export const TS1_FOUR_MARKS_SETTINGS = '<payload><operation>10</operation><X>10</X><Y>20</Y><W>170</W><L>200</L>'
  + '<MachineType>8</MachineType><CropCount>4</CropCount></payload>';

export const REDRAW = '<payload></payload>';

export function previewInfo(cropMarks, indexes) {
  return `<payload><PreviewInfo><ExistCropMark>${cropMarks ? 1 : 0}</ExistCropMark><indexes>${indexes}</indexes>`
    + '</PreviewInfo></payload>';
}

export const NOT_INSTALLED_MESSAGE = '<payload><Message><Num>1</Num></Message></payload>';
