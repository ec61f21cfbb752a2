// The page: takes a deck or a problem file (opened, dropped, or named by ?deck=PATH on this site),
// has the worker run it, and shows the run, the diagrams and the report pages with their downloads.
// ?epoch=N fixes the run date and time (seconds since 1970, UTC), as SOURCE_DATE_EPOCH does for the
// command line. form.js builds a deck from a template, field by field.
'use strict';

// Report pages, verdict rows and diagram pages put in the page per step: a long run shows its first
// ones at once and more on request.
const PAGES_AT_ONCE = 200;
const VERDICTS_AT_ONCE = 500;
const DIAGRAMS_AT_ONCE = 48;

const $ = (id) => document.getElementById(id);
const params = new URLSearchParams(location.search);
// Decks past this size are left to the command-line program: the report runs to some 40 bytes per
// deck byte and the whole of it is held in the page.
const MAX_DECK_BYTES = 4 * 1024 * 1024;
let worker = null;
let urls = []; // object URLs of the current run, released by the next
let started = 0;
let deckName = 'deck';
let runs = 0; // counts runs, so that an answer about an earlier run is dropped
let nextId = 1;
const pending = new Map(); // worker requests awaiting their answer, by id

// Asks the worker for something other than a run: resolves with its answer.
function request(op, fields) {
  const id = nextId++;
  return new Promise((resolve) => {
    pending.set(id, resolve);
    worker.postMessage({ op, id, ...fields });
  });
}

function isProblemFile(name) {
  return /\.toml$/.test(name);
}

function status(text, progress) {
  $('status-text').textContent = text;
  $('progress').hidden = progress === undefined;
  if (progress !== undefined) $('progress').value = progress;
}

function epochParam() {
  if (!params.has('epoch')) return null;
  const epoch = parseEpoch(params.get('epoch'));
  if (epoch === null) status('?epoch= is not a plain number of seconds: the page clock gives the date and time.');
  return epoch;
}

function run(bytes, name) {
  if (bytes.length > MAX_DECK_BYTES)
    return status(`${name} is ${bytes.length.toLocaleString('en')} bytes, over the page's limit of ` +
      `${MAX_DECK_BYTES.toLocaleString('en')}: run it with the command-line program.`);
  deckName = name;
  runs++;
  started = performance.now();
  $('results').hidden = $('diagrams-section').hidden = $('report-section').hidden = true;
  document.body.dataset.state = 'running';
  status(`Running ${name}…`, 0);
  window.lastDeck = bytes;
  worker.postMessage({ op: 'run', deck: bytes, name, epoch: epochParam() });
}

function stem(name) {
  return name.replace(/\.[^.]*$/, '') || 'deck';
}

function objectUrl(bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  urls.push(url);
  return url;
}

function link(text, bytes, type, file) {
  const a = document.createElement('a');
  a.href = objectUrl(bytes, type);
  a.download = file;
  a.textContent = text;
  return a;
}

function showSummary(r) {
  const items = [
    ['Deck', deckName],
    ['Outcome', r.diagnostic ? 'stopped: ' + r.diagnostic : 'ran to the end of the deck'],
    ['Designs with results', String(r.designs)],
    ['Report', `${r.pages} pages, ${r.report.length.toLocaleString('en')} bytes`],
    ['Time to report', `${Math.round(performance.now() - started)} ms (the run itself ${Math.round(r.ms)} ms)`],
  ];
  $('summary').replaceChildren(...items.flatMap(([k, v]) => {
    const dt = document.createElement('dt'), dd = document.createElement('dd');
    dt.textContent = k;
    dd.textContent = v;
    return [dt, dd];
  }));
  const base = stem(deckName);
  const toml = isProblemFile(deckName);
  $('downloads').replaceChildren(
    link('Report', r.report, 'application/octet-stream', base + '.out'),
    link('Deck', r.deck, 'application/octet-stream', toml ? base + '.deck' : deckName),
    ...(toml ? [link('Problem file', window.lastDeck, 'application/toml', deckName)] : []),
    link('Web page of the run', r.html, 'text/html', base + '.html'),
    ...r.csv.filter((f) => f.name === 'summary.csv').map((f) => link('Verdicts (CSV)', f.bytes, 'text/csv', f.name)));
  if (!toml) offerProblemFile(r.deck, base);
  showVerdicts(r.summary);
  $('results').hidden = false;
}

// The problem file of the deck that ran, converted after the report is shown.
async function offerProblemFile(deck, base) {
  const run = runs;
  const c = await request('convert', { deck, name: deckName });
  if (run !== runs) return;
  if (c.error) {
    const note = document.createElement('span');
    note.className = 'note';
    note.textContent = 'No problem file: ' + c.error;
    return $('downloads').append(note);
  }
  $('downloads').insertBefore(link('Problem file', c.text, 'application/toml', base + '.toml'), $('downloads').children[2]);
}

// Puts elements make(0), make(1)... make(count - 1) into `box`, `step` at a time, the button `more`
// offering the next ones; each is made only when it is shown.
function inSteps(box, count, make, step, more, what) {
  let shown = 0;
  const next = () => {
    const end = Math.min(count, shown + step);
    const made = [];
    for (let i = shown; i < end; i++) made.push(make(i));
    box.append(...made);
    shown = end;
    more.hidden = shown >= count;
    more.textContent = `Show ${Math.min(step, count - shown)} more ${what} (${count - shown} left)`;
  };
  more.onclick = next;
  next();
}

// The verdict of every design, a failing one marked; the verdict next to the problem number, where
// a narrow screen still shows it.
function showVerdicts(summary) {
  const verdict = summary.headings.indexOf('VERDICT');
  const order = (cells) => [cells[0], cells[verdict], ...cells.slice(1, verdict), ...cells.slice(verdict + 1)];
  const cell = (tag, text) => {
    const c = document.createElement(tag);
    c.textContent = text;
    return c;
  };
  const head = document.createElement('tr');
  head.append(...order(summary.headings).map((h) => cell('th', h)));
  $('verdicts').replaceChildren(head);
  const row = (i) => {
    const tr = document.createElement('tr');
    if (summary.rows[i].fails) tr.className = 'fails';
    tr.append(...order(summary.rows[i].cells).map((c) => cell('td', c)));
    return tr;
  };
  inSteps($('verdicts'), summary.rows.length, row, VERDICTS_AT_ONCE, $('more-verdicts'), 'verdicts');
}

function showDiagrams(r) {
  // Each page goes in as an image: whatever a deck's titles hold, nothing in them can run.
  const csv = new Map(r.csv.map((f) => [f.name.replace(/\.csv$/, ''), f]));
  const figure = (i) => {
    const f = r.svg[i];
    const name = f.name.replace(/\.svg$/, '');
    const svg = link('', f.bytes, 'image/svg+xml', f.name);
    const img = document.createElement('img');
    img.src = svg.href;
    img.alt = 'Moment, shear and deflection diagrams of ' + name;
    img.loading = 'lazy';
    svg.append(img);
    const cap = document.createElement('figcaption');
    cap.append(name + ' ', link('SVG', f.bytes, 'image/svg+xml', f.name));
    if (csv.has(name)) cap.append(' ', link('CSV', csv.get(name).bytes, 'text/csv', name + '.csv'));
    const fig = document.createElement('figure');
    fig.append(svg, cap);
    return fig;
  };
  $('diagrams').replaceChildren();
  inSteps($('diagrams'), r.svg.length, figure, DIAGRAMS_AT_ONCE, $('more-diagrams'), 'diagram pages');
  $('diagrams-note').textContent = r.designs > r.maxFileDesigns
    ? `The first ${r.maxFileDesigns} of ${r.designs} designs; the command line writes them all (--csv, --plot).`
    : 'Each design: its diagram page (SVG) and its results tables (CSV) to download.';
  $('diagrams-section').hidden = r.svg.length === 0;
}

// The report as one element per printed page (form feeds part them), one text line per report line.
function showReport(text) {
  const pages = text.split('\f');
  const page = (i) => {
    const pre = document.createElement('pre');
    pre.className = 'page';
    pre.textContent = pages[i];
    return pre;
  };
  $('report').replaceChildren();
  inSteps($('report'), pages.length, page, PAGES_AT_ONCE, $('more-pages'), 'pages');
  $('report-section').hidden = false;
  return pages.length;
}

function onMessage(event) {
  const m = event.data;
  if (m.id && pending.has(m.id)) {
    pending.get(m.id)(m);
    pending.delete(m.id);
  } else if (m.type === 'ready') {
    if (!document.body.dataset.state) status('Ready: open or drop a deck or problem file.');
  } else if (m.type === 'progress') {
    status(`Running ${deckName}: ${Math.round((100 * m.done) / m.total)}% of the deck read`, m.done / m.total);
  } else if (m.type === 'error') {
    failed(m.message);
  } else if (m.type === 'done') {
    urls.forEach((u) => URL.revokeObjectURL(u));
    urls = [];
    m.pages = showReport(m.text);
    showSummary(m);
    showDiagrams(m);
    status(m.diagnostic ? `Stopped: ${m.diagnostic}` : `Done: ${deckName}.`);
    document.body.dataset.state = 'done';
  }
}

// A module that ran out of memory cannot run again: a fresh worker takes the next deck.
function failed(message) {
  status('The run failed: ' + message);
  document.body.dataset.state = 'failed';
  startWorker();
}

function startWorker() {
  if (worker) worker.terminate();
  pending.clear();
  worker = new Worker('worker.js');
  worker.onmessage = onMessage;
  worker.onerror = (e) => (e.preventDefault(), failed(e.message || 'the program could not be loaded'));
}

startWorker();
// Offline use once opened (service workers need a secure origin: https or this machine).
if ('serviceWorker' in navigator && window.isSecureContext) navigator.serviceWorker.register('sw.js');

async function openFile(file) {
  run(new Uint8Array(await file.arrayBuffer()), file.name);
}

$('open').addEventListener('change', (e) => {
  if (e.target.files.length) openFile(e.target.files[0]);
  e.target.value = '';
});

let dragDepth = 0;
document.addEventListener('dragenter', (e) => {
  e.preventDefault();
  dragDepth++;
  $('drop').hidden = false;
});
document.addEventListener('dragleave', () => {
  if (--dragDepth <= 0) (dragDepth = 0), ($('drop').hidden = true);
});
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
  e.preventDefault();
  dragDepth = 0;
  $('drop').hidden = true;
  const file = e.dataTransfer && e.dataTransfer.files[0];
  if (file) openFile(file);
});

// ?deck=PATH: a deck on this same site, so a link can show a worked example.
async function openFromAddress(path) {
  const url = new URL(path, location.href);
  if (url.origin !== location.origin) return status('?deck= must name a file on this site: ' + path);
  status(`Fetching ${path}…`);
  try {
    const response = await fetch(url);
    if (!response.ok) return status(`Cannot fetch ${path}: ${response.status} ${response.statusText}`);
    run(new Uint8Array(await response.arrayBuffer()), url.pathname.split('/').pop() || 'deck');
  } catch (e) {
    status(`Cannot fetch ${path}: ${e.message}`);
  }
}

if (params.has('deck')) openFromAddress(params.get('deck'));
