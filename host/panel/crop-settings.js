// The crop settings form: the cutter models the plug-in lists, each model's default settings, and the user's
// settings in millimetres, turned into the elements of the crop settings operation.

const MILLIMETRES = /^\d+(\.\d+)?$/;
const STARTING_MODEL = 3; // the plug-in starts with TR-1's settings

const POINTS_PER_MM = 72 / 25.4;

function countsText(counts) {
  return counts.length > 1 ? `${counts.join(' or ')} marks` : `${counts[0]} marks`;
}

export function describeModel(model) {
  const origin = model.origin === 'TOP' ? 'marks hang from the page top' : 'marks stand on the page bottom';
  return `${model.name}: ${countsText(model.cropCounts)}, ${origin}`;
}

export function millimetres(points) {
  return (points / POINTS_PER_MM).toFixed(2);
}

export class CropSettingsForm {
  constructor({ model, cropCount, x, y, w, l, yLabel, problem }) {
    Object.assign(this, { modelSelect: model, cropCountSelect: cropCount, yLabel, problem });
    this.inputs = { X: x, Y: y, W: w, L: l };
    this.models = [];
    this.defaults = new Map();
    this.dirty = false;
    model.addEventListener('change', () => {
      this.showCropCounts();
      this.fillDefaults();
    });
    cropCount.addEventListener('change', () => { this.dirty = true; });
    for (const input of Object.values(this.inputs)) input.addEventListener('input', () => { this.dirty = true; });
  }

  setModels(models) {
    const chosen = this.chosenModel()?.id ?? STARTING_MODEL;
    this.models = models;
    this.modelSelect.replaceChildren(...models.map((model) => new Option(model.name, String(model.id))));
    if (models.some((model) => model.id === chosen)) this.modelSelect.value = String(chosen);
    this.modelSelect.disabled = false;
    this.showCropCounts();
    if (!this.dirty) this.fillDefaults();
  }

  setDefaults(defaults) {
    this.defaults = defaults;
    if (!this.dirty) this.fillDefaults();
  }

  chosenModel() {
    return this.models.find((model) => String(model.id) === this.modelSelect.value) ?? null;
  }

  showCropCounts() {
    const model = this.chosenModel();
    if (!model) return;
    const previous = this.cropCountSelect.value;
    this.cropCountSelect.replaceChildren(...model.cropCounts.map((count) => new Option(`${count} marks`, String(count))));
    if (model.cropCounts.map(String).includes(previous)) this.cropCountSelect.value = previous;
    this.cropCountSelect.disabled = false;
    this.yLabel.textContent = model.origin === 'TOP' ? 'Y, top margin' : 'Y, bottom margin';
  }

  // The chosen model's defaults into the form; it then holds settings not yet sent.
  fillDefaults() {
    const row = this.defaults.get(this.chosenModel()?.id);
    if (!row) return;
    for (const [name, input] of Object.entries(this.inputs)) input.value = row[name];
    this.dirty = true;
    this.showProblem(null);
  }

  // The elements of the crop settings operation, or null (with the problem shown) when the form is not complete.
  payloadElements() {
    const model = this.chosenModel();
    if (!model) return this.showProblem('The cutter models have not arrived yet.');
    const values = {};
    for (const [name, input] of Object.entries(this.inputs)) {
      const text = input.value.trim();
      if (!MILLIMETRES.test(text)) {
        input.focus();
        return this.showProblem(`${name} must be a length in millimetres, such as 10 or 12.5.`);
      }
      values[name] = text;
    }
    this.showProblem(null);
    return [
      ['X', values.X], ['Y', values.Y], ['W', values.W], ['L', values.L],
      ['MachineType', model.id], ['CropCount', this.cropCountSelect.value],
    ];
  }

  markApplied() {
    this.dirty = false;
  }

  showProblem(text) {
    this.problem.textContent = text ?? '';
    this.problem.hidden = text === null;
    return null;
  }
}
