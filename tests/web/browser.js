// The page end to end in headless Chromium (Debian's, driven by puppeteer-core) against the site
// served on 127.0.0.1: a deck named by ?deck= with ?epoch=, a dropped deck and a dropped problem
// file while offline, the template form, and the page's own clock. Every report shown must be the
// native report; no request may leave the origin. Screenshots of the example and of the form at a
// laptop's and a phone's viewport go to OUT_DIR. Given LARGE_DECK, also times its first report.
//   node tests/web/browser.js SITE_DIR NATIVE_PROGRAM OUT_DIR [LARGE_DECK]
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const { execFileSync } = require('child_process');
const puppeteer = require('puppeteer-core');

const [site, program, outDir, largeDeck] = process.argv.slice(2);
const { runStamp } = require(path.resolve(site, 'stamp.js'));
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };

function serve(root) {
  const server = http.createServer((req, res) => {
    const file = path.join(path.resolve(root), decodeURIComponent(new URL(req.url, 'http://x').pathname));
    const target = file.endsWith('/') ? path.join(file, 'index.html') : file;
    if (!target.startsWith(path.resolve(root)) || !fs.existsSync(target)) return res.writeHead(404).end();
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(target)] || 'application/octet-stream' });
    fs.createReadStream(target).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// The native report of a deck as the page shows it: carriage returns end lines, form feeds part pages.
function nativeText(deck, epoch) {
  const out = path.join(outDir, 'native.out');
  execFileSync(program, [deck, out, '--overwrite'], { env: { ...process.env, SOURCE_DATE_EPOCH: String(epoch) } });
  return fs.readFileSync(out, 'latin1').replace(/\r/g, '');
}

async function shown(page) {
  await page.waitForFunction(() => ['done', 'failed'].includes(document.body.dataset.state), { timeout: 60000 });
  return page.evaluate(() => ({
    state: document.body.dataset.state,
    status: document.getElementById('status-text').textContent,
    text: [...document.querySelectorAll('#report .page')].map((p) => p.textContent).join('\f'),
    diagrams: [...document.querySelectorAll('#diagrams img')].length,
    downloads: [...document.querySelectorAll('#downloads a')].map((a) => a.download),
    verdicts: [...document.querySelectorAll('#verdicts tr')].slice(1).map((tr) => tr.cells[1].textContent),
  }));
}

async function dropFile(page, name, bytes) {
  await page.evaluate(
    (name, b64) => {
      const bytes = Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
      const dt = new DataTransfer();
      dt.items.add(new File([bytes], name));
      for (const type of ['dragenter', 'dragover', 'drop'])
        document.dispatchEvent(new DragEvent(type, { dataTransfer: dt, bubbles: true, cancelable: true }));
    },
    name,
    bytes.toString('base64'),
  );
}

const LENGTH = '#f-2-12'; // the span record's LENGTH (columns 12-17) in the template form

// The form of the plate girder design template, its findings shown.
async function openForm(page, origin, viewport) {
  await page.setViewport(viewport);
  await page.goto(`${origin}/?epoch=1765000000`);
  await page.click('#form-section summary');
  await page.waitForFunction(() => !document.getElementById('template').disabled);
  const pg = await page.$$eval('#template option', (os) => os.find((o) => /^PG design/.test(o.textContent)).value);
  await page.select('#template', pg);
  await page.waitForSelector(LENGTH);
  await page.waitForFunction(() => document.getElementById('form').dataset.checked);
}

async function retype(page, text) {
  await page.$eval(LENGTH, (i) => i.select());
  await page.keyboard.type(text);
  await page.waitForFunction(() => document.getElementById('form').dataset.checked);
  return page.$eval(LENGTH, (i) => i.parentElement.querySelector('output').textContent);
}

// The template form: a plate girder's span made implausible shows its finding beside the field;
// put right, the finding goes and the run of the form's deck is the native report of that deck.
async function templateForm(page, origin, expect) {
  await openForm(page, origin, { width: 390, height: 844, isMobile: true, hasTouch: true });
  await retype(page, '999.');
  await page.$eval(LENGTH, (i) => i.scrollIntoView({ block: 'center' }));
  await page.screenshot({ path: path.join(outDir, 'form-390x844.png') });
  await openForm(page, origin, { width: 1366, height: 768 });
  const findings = await page.$eval(LENGTH, (i) => i.parentElement.querySelector('output').textContent);
  expect(findings === '', 'the template\'s LENGTH has a finding: ' + findings);
  let found = await retype(page, '999.');
  expect(/outside the plausible 10 to 400 ft/.test(found), 'LENGTH 999.: ' + found);
  await page.screenshot({ path: path.join(outDir, 'form-1366x768.png') });
  found = await retype(page, '120.');
  expect(found === '', 'LENGTH 120.: ' + found);
  await page.click('#form-run');
  const r = await shown(page);
  const deck = path.join(outDir, 'form.deck');
  fs.writeFileSync(deck, Buffer.from(await page.evaluate(() => [...window.lastDeck])));
  expect(/^1PG0HS20 +120\./m.test(fs.readFileSync(deck, 'latin1')), 'the form\'s deck lacks the new LENGTH');
  expect(r.text === nativeText(deck, 1765000000), 'template form: #report differs from the native report');
}

async function main() {
  fs.mkdirSync(outDir, { recursive: true });
  const server = await serve(site);
  const origin = `http://127.0.0.1:${server.address().port}`;
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  const failures = [];
  const expect = (ok, what) => ok || failures.push(what);
  try {
    const page = await browser.newPage();
    page.on('request', (r) => expect(r.url().startsWith(origin) || /^(blob|data):/.test(r.url()), 'left the origin: ' + r.url()));
    page.on('pageerror', (e) => failures.push('page error: ' + e.message));

    // A link to the worked example, with a fixed stamp.
    const sample = path.resolve('examples/sample.deck');
    await page.setViewport({ width: 1366, height: 768 });
    const t0 = Date.now();
    await page.goto(`${origin}/?deck=examples/sample.deck&epoch=0`);
    let r = await shown(page);
    console.log(`example deck: first report in ${Date.now() - t0} ms from navigation (${r.status})`);
    expect(r.text === nativeText(sample, 0), '?deck= example: #report differs from the native report');
    expect(r.diagrams === fs.readdirSync('examples/plots').filter((f) => f.endsWith('.svg')).length,
      `?deck= example: ${r.diagrams} diagram pages`);
    const files = ['sample.out', 'sample.deck', 'sample.html', 'summary.csv'];
    expect(files.every((f) => r.downloads.includes(f)), 'downloads: ' + r.downloads);
    const summary = path.join(outDir, 'csv', 'summary.csv');
    execFileSync(program, [sample, path.join(outDir, 'native.out'), '--overwrite', '--csv', path.join(outDir, 'csv')]);
    const rows = fs.readFileSync(summary, 'latin1').trim().split('\r\n').slice(1);
    expect(r.verdicts.length === rows.length && rows.every((row, i) => row.includes(r.verdicts[i])),
      'verdicts: ' + r.verdicts);
    await page.screenshot({ path: path.join(outDir, 'sample-1366x768.png') });
    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true }); // reloads the page
    r = await shown(page);
    expect(r.text === nativeText(sample, 0), '?deck= example on a phone: #report differs from the native report');
    await page.screenshot({ path: path.join(outDir, 'sample-390x844.png') });
    await page.evaluate(() => document.getElementById('report-section').scrollIntoView());
    await page.screenshot({ path: path.join(outDir, 'sample-390x844-report.png') });

    // A dropped deck, with the network gone: the loaded page needs nothing more.
    await page.setViewport({ width: 1366, height: 768 });
    await page.goto(`${origin}/?epoch=1765000000`);
    await page.waitForFunction(() => /Ready/.test(document.getElementById('status-text').textContent));
    await page.setOfflineMode(true);
    const dropped = path.resolve('tests/decks/girder-pg-design.deck');
    await dropFile(page, 'girder.deck', fs.readFileSync(dropped));
    r = await shown(page);
    expect(r.text === nativeText(dropped, 1765000000), 'dropped deck: #report differs from the native report');
    expect(r.downloads.includes('girder.out'), 'dropped deck downloads: ' + r.downloads);
    await page.waitForFunction(() => document.querySelector('#downloads a[download="girder.toml"]'));
    // Its problem file, converted by the native program, dropped in turn.
    const toml = path.join(outDir, 'girder.toml');
    execFileSync(program, ['convert', dropped, toml, '--overwrite']);
    await dropFile(page, 'girder.toml', fs.readFileSync(toml));
    r = await shown(page);
    expect(r.text === nativeText(toml, 1765000000), 'dropped problem file: #report differs from the native report');
    expect(['girder.deck', 'girder.toml'].every((f) => r.downloads.includes(f)), 'problem file downloads: ' + r.downloads);
    // A deck past the page's limit is refused with the reason, and the last report stays.
    await dropFile(page, 'huge.deck', Buffer.alloc(5 * 1024 * 1024, 'X'));
    await page.waitForFunction(() => /over the page's limit/.test(document.getElementById('status-text').textContent));
    expect((await shown(page)).text === r.text, 'a refused deck changed the report shown');
    await page.setOfflineMode(false);

    await templateForm(page, origin, expect);
    if (largeDeck) {
      await page.goto(`${origin}/?epoch=0`);
      await page.waitForFunction(() => /Ready/.test(document.getElementById('status-text').textContent));
      const t = Date.now();
      await dropFile(page, path.basename(largeDeck), fs.readFileSync(largeDeck));
      r = await shown(page);
      const timed = await page.$eval('#summary', (dl) => dl.textContent.replace(/.*Time to report/, ''));
      console.log(`${largeDeck}: first report in ${Date.now() - t} ms from the drop (page: ${timed}; ${r.status})`);
    }

    // No ?epoch=: the page's clock dates the report.
    await page.goto(`${origin}/?deck=examples/sample.deck`);
    r = await shown(page);
    const today = runStamp(null).date;
    expect(r.text.split('\n', 3)[2].startsWith(today), `page clock: the title block does not start with ${today}`);

    // A deck on another site is refused without asking it for anything.
    await page.goto(`${origin}/?deck=//example.com/x.deck`);
    await page.waitForFunction(() => /must name a file on this site/.test(document.getElementById('status-text').textContent));

    // The server gone, the page opened before still loads and runs the example.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.goto(`${origin}/?deck=examples/sample.deck&epoch=0`);
    await shown(page);
    server.close();
    server.closeAllConnections();
    await page.reload();
    r = await shown(page);
    expect(r.text === nativeText(sample, 0), 'offline reload: #report differs from the native report');
    await page.close();
  } finally {
    await browser.close();
    server.close();
  }
  for (const f of failures) console.error('FAIL ' + f);
  console.log(failures.length ? `${failures.length} failures` : 'the page shows the native reports');
  process.exit(failures.length ? 1 : 0);
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
