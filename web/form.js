// The template form: a girder of any beam type as one labelled input per field of its records
// (the record layout table gives each its columns, unit and meaning), the deck check's findings
// shown beside the fields they concern as you type, and Run. Uses app.js's request() and run()
// and form_deck.js.
'use strict';

const CHECK_DELAY_MS = 300; // typing pauses this long before the deck is checked
let templates = [];
let form = null; // {template, lines: the template deck's lines, records, inputs: Map "line:first" -> input}
let checkTimer = 0;
let checks = 0;

function formName() {
  const t = form.template;
  return `${t.type.toLowerCase()}-${t.analysis ? 'analysis' : 'design'}.deck`;
}

function formDeck() {
  return formDeckText(form.lines, form.records, (rec, f) => form.inputs.get(`${rec.line}:${f.first}`).value);
}

// Characters outside printable ASCII would not stay one column each: the field says so.
function unprintable(input) {
  return /[^\x20-\x7e]/.test(input.value);
}

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function fieldInput(rec, f) {
  const id = `f-${rec.line}-${f.first}`;
  const box = element('div', f.last - f.first >= 12 ? 'field wide' : 'field');
  const label = element('label', '', f.label);
  label.htmlFor = id;
  if (f.unit) label.append(' ', element('span', 'unit', `(${f.unit})`));
  label.append(' ', element('span', 'format', f.format)); // Fw.d: d implied decimals without a point
  const input = element('input');
  input.id = id;
  input.value = initialValue(f);
  input.maxLength = input.size = f.last - f.first + 1;
  input.spellcheck = false;
  if (f.numeric) input.inputMode = 'decimal';
  const where = f.first === f.last ? `column ${f.first}` : `columns ${f.first}-${f.last}`;
  input.title = `${f.meaning} (${where}, ${f.format})`;
  const hint = element('small', 'hint', f.meaning);
  hint.id = id + '-hint';
  input.setAttribute('aria-describedby', hint.id);
  const findings = element('output', 'findings');
  findings.htmlFor = id;
  box.append(label, input, hint, findings);
  form.inputs.set(`${rec.line}:${f.first}`, input);
  input.findings = findings;
  return box;
}

function buildForm(template, records) {
  form = { template, lines: template.deck.replace(/\n$/, '').split('\n'), records, inputs: new Map() };
  const sets = records.map((rec) => {
    const set = element('fieldset', 'record');
    set.append(element('legend', '', `${rec.name}, line ${rec.line}`));
    const grid = element('div', 'fields');
    grid.append(...rec.fields.map((f) => fieldInput(rec, f)));
    set.findings = element('div', 'findings');
    set.append(grid, set.findings);
    rec.set = set;
    return set;
  });
  $('form').replaceChildren(...sets);
  $('form-about').textContent = template.about;
  const toml = $('form-problem-file');
  URL.revokeObjectURL(toml.href);
  toml.href = URL.createObjectURL(new Blob([template.problemFile], { type: 'application/toml' }));
  toml.download = formName().replace(/\.deck$/, '.toml');
  $('form-body').hidden = false;
  checkForm();
}

function showFinding(slot, severity, message) {
  slot.append(element('span', 'finding ' + severity, `${severity}: ${message}`));
}

// Each finding beside the field whose columns it names, else under its record, else above the form.
function showFindings(answer) {
  for (const input of form.inputs.values()) input.findings.replaceChildren(), input.removeAttribute('aria-invalid');
  for (const rec of form.records) rec.set.findings.replaceChildren();
  $('form-findings').replaceChildren();
  // A problem file that is not one names its error; a module that failed, its message.
  if (answer.error || answer.message) showFinding($('form-findings'), 'fatal', answer.error || answer.message);
  for (const f of answer.findings || []) {
    const rec = form.records.find((r) => r.line === f.line);
    const field = rec && f.first > 0 && rec.fields.find((x) => x.first <= f.last && f.first <= x.last);
    const input = field && form.inputs.get(`${rec.line}:${field.first}`);
    showFinding(input ? input.findings : rec ? rec.set.findings : $('form-findings'), f.severity, f.message);
    if (input && f.severity !== 'note') input.setAttribute('aria-invalid', 'true');
  }
  for (const input of form.inputs.values())
    if (unprintable(input)) {
      showFinding(input.findings, 'fatal', 'only printable ASCII characters keep their columns in a deck');
      input.setAttribute('aria-invalid', 'true');
    }
}

async function checkForm() {
  clearTimeout(checkTimer);
  const id = ++checks;
  $('form').dataset.checked = '';
  const answer = await request('check', { deck: formDeck(), name: formName() });
  if (id !== checks) return; // a later edit is being checked
  showFindings(answer);
  $('form').dataset.checked = String(id);
}

async function chooseTemplate() {
  const template = templates[Number($('template').value)];
  if (!template) return;
  const answer = await request('records', { deck: template.deck });
  if (!answer.records) return status('The template could not be read: ' + answer.message);
  buildForm(template, answer.records);
}

function runForm() {
  if ([...form.inputs.values()].some(unprintable))
    return status('A field holds characters a deck cannot: see the fields marked in the form.');
  run(new TextEncoder().encode(formDeck()), formName());
  $('status').scrollIntoView({ block: 'start' });
}

async function loadTemplates() {
  templates = (await request('templates', {})).list || [];
  const options = templates.map((t, i) => {
    const o = element('option', '', `${t.type} ${t.analysis ? 'analysis' : 'design'}: ${t.about}`);
    o.value = String(i);
    return o;
  });
  $('template').append(...options);
  $('template').disabled = false;
}

$('template').addEventListener('change', chooseTemplate);
$('form').addEventListener('input', () => {
  clearTimeout(checkTimer);
  $('form').dataset.checked = '';
  checkTimer = setTimeout(checkForm, CHECK_DELAY_MS);
});
$('form').addEventListener('submit', (e) => (e.preventDefault(), runForm()));
$('form-run').addEventListener('click', runForm);
loadTemplates();
