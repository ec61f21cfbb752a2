// Runs decks through the WebAssembly module off the page's thread, so the page never freezes.
// In:  {op: 'run', deck: Uint8Array, name, epoch: number|null} (a problem file when name ends in .toml)
//      {op: 'convert', id, deck, name}   {op: 'check', id, deck, name}
//      {op: 'templates', id}              {op: 'records', id, deck}
// Out: {type: 'ready'} once, then per run {type: 'progress', done, total}... and
//      {type: 'done', report, text, deck, diagnostic, designs, csv, svg, summary, html, ms} or
//      {type: 'error', message}; per request {type: 'converted' | 'checked' | 'templates' |
//      'records', id, ...} with the module's answer.
'use strict';
importScripts('stamp.js', 'simple-span.js');

// Designs whose CSV and SVG files are kept: enough for any deck a person reads page by page,
// bounded so a deck of thousands of problems cannot exhaust the page's memory.
const MAX_FILE_DESIGNS = 1000;

// The report's bytes as text, one character per byte, so every column stays where it was printed.
function latin1(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  return s;
}

const ready = SimpleSpan().then((mod) => {
  postMessage({ type: 'ready' });
  return mod;
});

function run(mod, { deck, name, epoch }) {
  const started = performance.now();
  const stamp = runStamp(epoch);
  let last = 0;
  const progress = (done, total) => {
    const now = performance.now();
    if (now - last > 100 || done === total) postMessage({ type: 'progress', done, total });
    last = now;
  };
  const r = mod.run(deck, name, stamp.date, stamp.time, MAX_FILE_DESIGNS, progress);
  const text = latin1(r.report).replace(/\r/g, '');
  // The bytes move to the page rather than being copied: a long run's report and web page are large.
  const moved = [r.report, r.deck, r.html, ...r.csv.map((f) => f.bytes), ...r.svg.map((f) => f.bytes)];
  postMessage({
    type: 'done', report: r.report, text, deck: r.deck, diagnostic: r.diagnostic, designs: r.designs,
    csv: r.csv, svg: r.svg, summary: r.summary, html: r.html, maxFileDesigns: MAX_FILE_DESIGNS,
    ms: performance.now() - started,
  }, moved.map((b) => b.buffer));
}

const requests = {
  run,
  convert: (mod, m) => ({ type: 'converted', id: m.id, ...mod.convert(m.deck, m.name) }),
  check: (mod, m) => ({ type: 'checked', id: m.id, ...mod.check(m.deck, m.name) }),
  templates: (mod, m) => ({ type: 'templates', id: m.id, list: mod.templates() }),
  records: (mod, m) => ({ type: 'records', id: m.id, records: mod.records(m.deck) }),
};

onmessage = async (event) => {
  const mod = await ready;
  const m = event.data;
  try {
    const answer = requests[m.op || 'run'](mod, m);
    if (answer) postMessage(answer);
  } catch (e) {
    postMessage({ type: 'error', id: m.id, message: String(e && e.message ? e.message : e) });
  }
};
