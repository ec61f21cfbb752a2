// The WebAssembly module under Node.js against the native program: the same report, CSV files,
// verdicts (summary.csv), diagram pages and web page of the run, byte for byte, for every deck
// named on the command line, at two run stamps; the same deck check, problem file conversion and
// check of that problem file; and the problem file run gives the deck's report.
//   node tests/web/node_reports.js SITE_DIR NATIVE_PROGRAM DECK...
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

const [site, program, ...decks] = process.argv.slice(2);
const { runStamp } = require(path.resolve(site, 'stamp.js'));
const SimpleSpan = require(path.resolve(site, 'simple-span.js'));
const { initialValue, formDeckText } = require(path.resolve(site, 'form_deck.js'));

function nativeRun(deck, epoch, dir) {
  fs.rmSync(dir, { recursive: true, force: true });
  fs.mkdirSync(dir);
  const report = path.join(dir, 'report');
  const html = path.join(dir, 'run.html');
  const args = [deck, report, '--overwrite', '--csv', path.join(dir, 'csv'), '--plot', path.join(dir, 'svg'),
    '--html', html];
  let status = 0;
  try {
    execFileSync(program, args, { env: { ...process.env, SOURCE_DATE_EPOCH: String(epoch) }, stdio: 'pipe' });
  } catch (e) {
    status = e.status;
  }
  const files = (sub) =>
    fs.readdirSync(path.join(dir, sub)).sort().map((name) => ({ name, bytes: fs.readFileSync(path.join(dir, sub, name)) }));
  const kept = (file) => (fs.existsSync(file) ? fs.readFileSync(file) : Buffer.alloc(0));
  return { status, report: fs.readFileSync(report), csv: files('csv'), svg: files('svg'), html: kept(html) };
}

// What a subcommand prints and its exit status.
function nativeCommand(args) {
  try {
    const out = execFileSync(program, args, { stdio: 'pipe', maxBuffer: 1 << 30 });
    return { status: 0, out: out.toString('latin1'), err: '' };
  } catch (e) {
    return { status: e.status, out: e.stdout.toString('latin1'), err: e.stderr.toString('latin1') };
  }
}

function sameOutput(what, got, want) {
  if (got.status !== want.status) return `${what}: status ${got.status}, native ${want.status}`;
  if (got.out !== want.out) return `${what}: prints differently`;
  return got.err === want.err ? null : `${what}: error "${got.err}", native "${want.err}"`;
}

// The check of a deck and of its problem file, the conversion, and the problem file's run.
function problemFileRoundTrip(mod, deck, dir, report) {
  const bytes = fs.readFileSync(deck);
  const checked = mod.check(bytes, deck);
  const problems = [sameOutput('check', { status: checked.status, out: checked.text, err: '' }, nativeCommand(['check', deck]))];
  const converted = mod.convert(bytes, deck);
  const wantToml = nativeCommand(['convert', deck, '-']);
  const gotToml = { status: converted.error ? 1 : 0, out: converted.text, err: converted.error && `simple-span convert: ${converted.error}\n` };
  problems.push(sameOutput('convert', gotToml, wantToml));
  if (converted.error) return problems;
  const toml = path.join(dir, path.basename(deck) + '.toml');
  fs.writeFileSync(toml, converted.text);
  const tomlChecked = mod.check(converted.text, toml);
  problems.push(sameOutput('check of the problem file', { status: tomlChecked.status, out: tomlChecked.text, err: '' },
    nativeCommand(['check', toml])));
  const stamp = runStamp(0);
  const run = mod.run(converted.text, toml, stamp.date, stamp.time, 0, null);
  problems.push(Buffer.from(run.report).equals(report) ? null : 'the problem file\'s report differs');
  return problems;
}

function sameFiles(what, a, b) {
  if (a.length !== b.length) return `${what}: ${a.length} files, native ${b.length}`;
  for (let i = 0; i < a.length; i++) {
    if (a[i].name !== b[i].name) return `${what}: ${a[i].name}, native ${b[i].name}`;
    if (!Buffer.from(a[i].bytes).equals(b[i].bytes)) return `${what}: ${a[i].name} differs`;
  }
  return null;
}

async function main() {
  const mod = await SimpleSpan({ wasmBinary: fs.readFileSync(path.join(site, 'simple-span.wasm')) });
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ss-web-'));
  const failures = [];
  let compared = 0;
  for (const deck of decks) {
    for (const epoch of [0, 1765000000]) {
      const want = nativeRun(deck, epoch, path.join(dir, 'native'));
      const stamp = runStamp(epoch);
      let calls = 0;
      const got = mod.run(fs.readFileSync(deck), deck, stamp.date, stamp.time, 1e9, () => calls++);
      const problems = [
        ...(epoch === 0 ? problemFileRoundTrip(mod, deck, dir, want.report) : []),
        Buffer.from(got.report).equals(want.report) ? null : 'report differs',
        (got.diagnostic === '') === (want.status === 0) ? null : `diagnostic "${got.diagnostic}", native status ${want.status}`,
        sameFiles('csv', got.csv, want.csv),
        sameFiles('svg', got.svg, want.svg),
        Buffer.from(got.html).equals(want.html) ? null : 'web page differs',
        got.summary.rows.length > 0 || got.report.length === 0 ? null : 'no verdicts',
        calls > 0 || fs.statSync(deck).size === 0 ? null : 'no progress reported',
      ].filter((p) => p);
      if (problems.length) failures.push(`${path.basename(deck)} at ${epoch}: ${problems.join('; ')}`);
      compared++;
    }
  }
  // The template form's deck of every template, as the form first shows it, runs as the template.
  const stamp0 = runStamp(0);
  for (const t of mod.templates()) {
    const lines = t.deck.replace(/\n$/, '').split('\n');
    const deck = formDeckText(lines, mod.records(t.deck), (rec, f) => initialValue(f));
    const [a, b] = [t.deck, deck].map((d) => mod.run(d, 'form.deck', stamp0.date, stamp0.time, 0, null));
    const flagged = mod.check(deck, 'form.deck').status !== mod.check(t.deck, 'form.deck').status;
    if (!Buffer.from(a.report).equals(Buffer.from(b.report)) || b.diagnostic || flagged)
      failures.push(`the form of template ${t.type}${t.analysis ? ' analysis' : ''} does not run as the template`);
  }
  // A stamp that would shift the title block's columns is refused, not printed.
  const bad = mod.run('', 'x.deck', '7-DEC-2026', '13:05', 0, null);
  if (bad.diagnostic === '' || bad.report.length !== 0) failures.push('a malformed stamp was accepted');
  // A problem file that is not one: refused with where and why, nothing run or checked.
  const stamp = runStamp(0);
  const notToml = mod.run('[[problem]\n', 'bad.toml', stamp.date, stamp.time, 0, null);
  if (!/^bad\.toml:1:/.test(notToml.diagnostic) || notToml.report.length !== 0) failures.push('a broken problem file ran');
  const notChecked = mod.check('[[problem]\n', 'bad.toml');
  if (notChecked.status !== 2 || notChecked.error !== notToml.diagnostic) failures.push('a broken problem file was checked');
  fs.rmSync(dir, { recursive: true, force: true });
  for (const f of failures) console.error('FAIL ' + f);
  console.log(`${compared - failures.length} of ${compared} runs identical to the native program`);
  process.exit(failures.length ? 1 : 0);
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
