// markplug's panel in a browser: every control sends one "OperationClicked" payload as the plug-in's own panel
// would, and every reply of the plug-in is shown where the user looks for it, in words, and in the event log.
import { getInfo, pageAddress, sendEvent } from './api.js';
import { CropSettingsForm, describeModel, millimetres } from './crop-settings.js';
import { cutConditionElements } from './cut-conditions.js';
import { DocumentView } from './document-view.js';
import { EventLog } from './event-log.js';
import { openEventStream } from './event-stream.js';
import {
  OPERATION_CLICKED, Operation, PANEL_EXTENSION, Reply, operationLabel, operationPayload,
} from './markplug-protocol.js';
import {
  parseCropCorner, parseCropmarkParamList, parseMachineTypeList, parseMessage, parsePreviewInfo,
} from './markplug-replies.js';
import { Notices } from './notices.js';
import { messageText } from './output-messages.js';
import { fillTargetChoices, previewLines } from './preview-summary.js';
import { SessionControls } from './session-controls.js';

const $ = (id) => document.getElementById(id);

// The help page beside the plug-in module.
const HELP_PAGE = 'frame.html';

const notices = new Notices($('notices'));
const log = new EventLog($('event-log'));
const session = new SessionControls({
  artworkLabel: $('artwork'), saveButton: $('save-and-quit'), quitButton: $('quit'), banner: $('session-banner'), notices,
});
const view = new DocumentView({
  canvas: $('document-canvas'),
  caption: $('selection-caption'),
  onError: (text) => notices.add('error', text),
  onRendered: () => showPreview(),
});
const cropForm = new CropSettingsForm({
  model: $('model'), cropCount: $('crop-count'), x: $('crop-x'), y: $('crop-y'), w: $('crop-w'), l: $('crop-l'),
  yLabel: $('crop-y-label'), problem: $('crop-problem'),
});

let lastPreview = null;
let stream = null;
let macEdition = false; // markplug's macOS feature set writes the plotter's command files instead
let messagesHeard = 0; // the plug-in's messages so far, to tell whether an output run brought one

// Sends one operation; a refusal is shown and ends the caller's sequence.
async function send(operation, elements = []) {
  const data = operationPayload(operation, elements);
  log.add('out', { type: OPERATION_CLICKED, extension: PANEL_EXTENSION, data });
  try {
    return await sendEvent(PANEL_EXTENSION, OPERATION_CLICKED, data);
  } catch (error) {
    notices.add('error', `The host did not take ${operationLabel(operation)} (operation ${operation})`, [error.message]);
    throw error;
  }
}

// A control's work; its failure has been shown already.
function onClick(id, work) {
  $(id).addEventListener('click', () => work().catch(() => {}));
}

const previewTarget = () => $('preview-target').value;
const requestPreview = () => send(Operation.SendPreviewInfo, [['Target', previewTarget()]]);

async function applyCropSettings() {
  const elements = cropForm.payloadElements();
  if (!elements) throw new Error('incomplete crop settings');
  await send(Operation.SetCropParameters, elements);
  cropForm.markApplied();
  const model = cropForm.chosenModel();
  notices.add('done', `Crop settings applied for ${model.name}`, [
    elements.filter(([name]) => 'XYWL'.includes(name) && name.length === 1).map(([name, text]) => `${name} ${text} mm`).join(', ')
      + `, ${$('crop-count').value} marks`,
  ]);
  await send(Operation.SendCropCorner);
}

function showCropCorner(corner) {
  const side = corner.y > 0 ? 'top' : 'bottom';
  $('crop-corner').textContent = `Mark centres, from the page's lower-left corner: left ${millimetres(corner.left)} mm, `
    + `right ${millimetres(corner.right)} mm, bottom ${millimetres(corner.bottom)} mm, top ${millimetres(corner.top)} mm. `
    + `The marks' area begins ${millimetres(-corner.x)} mm from the left edge and ${millimetres(Math.abs(corner.y))} mm `
    + `from the ${side} edge.`;
  view.setCropFrame(corner);
}

function showPreview() {
  if (!lastPreview) return;
  $('preview-summary').replaceChildren(...previewLines(lastPreview, (position) => view.idAtPosition(position)).map((line) => {
    const row = document.createElement('div');
    row.textContent = line;
    return row;
  }));
}

const replies = {
  [Reply.MachineTypeList](data) {
    const models = parseMachineTypeList(data);
    cropForm.setModels(models);
    notices.add('reply', `The plug-in offers ${models.length} cutter models`, models.map(describeModel));
  },
  [Reply.CropmarkParamList](data) {
    const defaults = parseCropmarkParamList(data);
    cropForm.setDefaults(defaults);
    notices.add('reply', `Default crop settings of ${defaults.size} models received`,
      [...defaults].map(([id, row]) => `model ${id}: X ${row.X}, Y ${row.Y}, W ${row.W}, L ${row.L} mm`));
  },
  [Reply.CropCorner](data) {
    const corner = parseCropCorner(data);
    showCropCorner(corner);
    notices.add('reply', 'Crop frame reported', [$('crop-corner').textContent]);
  },
  [Reply.PreviewInfo](data) {
    lastPreview = parsePreviewInfo(data);
    view.setPreview(lastPreview.paths);
    showPreview();
  },
  [Reply.RedrawPreview]() {
    requestPreview().catch(() => {});
  },
  [Reply.Message](data) {
    messagesHeard += 1;
    const { title, lines } = messageText(parseMessage(data));
    notices.add('warning', title, lines);
    $('output-status').textContent = `${title}. ${lines.join(' ')}`;
    $('output-status').dataset.state = 'message';
  },
};

function showInfo(info) {
  session.show(info);
  macEdition = info.edition === 'macos';
  const perforation = !macEdition;
  document.body.classList.toggle('edition-macos', !perforation);
  fillTargetChoices($('preview-target'), 'preview', { perforation });
  fillTargetChoices($('output-target'), 'output', { perforation });
  $('eventbridge-link').href = pageAddress('/eventbridge.html');
}

onClick('model-defaults', async () => cropForm.fillDefaults());
onClick('apply-settings', applyCropSettings);
onClick('make-marks', async () => {
  if (cropForm.dirty) await applyCropSettings();
  await send(Operation.MakeCropMarks);
  notices.add('done', 'Crop marks made');
  await requestPreview();
});
onClick('delete-marks', async () => {
  await send(Operation.DeleteCropMarks);
  notices.add('done', 'Crop marks deleted');
  await requestPreview();
});
onClick('mark-cut', () => send(Operation.ToggleCutTag));
onClick('mark-perforation', () => send(Operation.TogglePerforationTag));
onClick('refresh-preview', () => send(Operation.RedrawPreview));
$('preview-target').addEventListener('change', () => requestPreview().catch(() => {}));
for (const [id, operation, done] of [
  ['outline-text', Operation.CreateOutline, 'Text turned into outlines'],
  ['outline-strokes', Operation.OutlineStrokes, 'Strokes turned into outlines'],
  ['offset-path', Operation.OffsetPath, 'Offset contour made'],
  ['unite-paths', Operation.UnitePaths, 'Shapes united'],
]) {
  onClick(id, async () => {
    await send(operation);
    notices.add('done', done);
    await requestPreview();
  });
}
onClick('send-cut-conditions', async () => {
  const elements = cutConditionElements($('cut-conditions-problem'));
  if (!elements) return;
  await send(Operation.SetCutConditions, elements);
  notices.add('done', 'Cut conditions set', [elements.map(([name, text]) => `${name} ${text}`).join(', ')]);
});
onClick('run-output', async () => {
  const status = $('output-status');
  const target = $('output-target');
  const what = target.options[target.selectedIndex].text.toLowerCase();
  status.textContent = `Sending the ${what}…`;
  status.dataset.state = 'sending';
  const before = messagesHeard;
  const { revision } = await send(Operation.OutputRun, [['Target', target.value]]).catch((error) => {
    status.textContent = `Not sent: ${error.message}`;
    status.dataset.state = 'failed';
    throw error;
  });
  // Every message of the run comes before the stream reaches the run's revision; one that came is on show.
  if (await stream.reached(revision) && messagesHeard === before) {
    status.textContent = macEdition
      ? `The ${what} went to the plotter's command files, and the output application was opened.`
      : `The ${what} went to the cut data file, and the cutting application was started with it.`;
    status.dataset.state = 'sent';
    notices.add('done', 'Sent to the cutter', [status.textContent]);
  }
});
onClick('open-help', async () => {
  await send(Operation.OpenHelp, [['FileName', HELP_PAGE]]);
  notices.add('done', `The help page ${HELP_PAGE} was handed to the desktop's viewer`);
});
onClick('clear-log', async () => log.clear());

async function start() {
  try {
    showInfo(await getInfo());
  } catch (error) {
    notices.add('error', 'The host did not answer', [error.message]);
    return;
  }
  view.refresh();
  stream = openEventStream({
    onFirstOpen: async () => {
      try {
        await send(Operation.SendMachineTypeList);
        await send(Operation.SendCropmarkParamList);
        await send(Operation.SendCropCorner);
        await requestPreview();
      } catch {
        // shown already
      }
    },
    onPanel: (event, id) => {
      log.add('in', { id, ...event });
      replies[event.type]?.(event.data ?? '');
    },
    onDocument: () => view.refresh(),
    onBye: () => session.end(),
    onState: (state) => {
      const connection = $('connection');
      connection.dataset.state = state;
      connection.textContent = state;
    },
  });
}

start();
