#!/usr/bin/env node
// The page's module as built at two optimization levels, side by side: its
// size (raw and packed) and its speed in the one-file page, taken in turn in
// the same run: the cold start (navigation to the first frame), the module's
// own start (instantiated to the first frame: the bitmaps decoded, the table
// drawn), and a move of the hand's selection (one key: the table drawn again
// and presented). Medians. Not a test: numbers for a person to read.
//   node module_bench.mjs BUILD_WEB BUILD_WEB... [--rounds N]
// Each BUILD_WEB is an Emscripten build folder, e.g. build/web (-O2, the
// default) and one configured with another level:
//   NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build/web-Os -DCMAKE_BUILD_TYPE=Release -DZOT_WEB_OPT=-Os
//   NODE_PATH=/usr/share/nodejs cmake --build build/web-Os
import fs from 'fs';
import path from 'path';
import zlib from 'zlib';
import { chromium } from 'playwright-core';

const args = process.argv.slice(2);
const roundsAt = args.indexOf('--rounds');
const rounds = roundsAt >= 0 ? Number(args.splice(roundsAt, 2)[1]) : 9;
if (args.length === 0) {
  console.error('usage: node module_bench.mjs BUILD_WEB... [--rounds N]');
  process.exit(2);
}
const kKeys = 300;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Marks the moment the module is instantiated, before the page runs.
function markInstantiated() {
  const real = WebAssembly.instantiate;
  WebAssembly.instantiate = function (...rest) {
    return real.apply(this, rest).then((result) => {
      performance.mark('zot-instantiated');
      return result;
    });
  };
}

// kKeys moves of the selection in a dealt hand, each timed from the key to
// its frame presented (all of it runs within the key's event).
async function keyTimes(page, keys) {
  return page.evaluate(async (count) => {
    const times = [];
    for (let i = 0; i < count; ++i) {
      const key = i % 16 < 8 ? 'ArrowRight' : 'ArrowLeft';
      const start = performance.now();
      document.dispatchEvent(new KeyboardEvent('keydown', { key, code: key, bubbles: true }));
      times.push(performance.now() - start);
      await new Promise((resolve) => setTimeout(resolve, 0));
    }
    return times;
  }, keys);
}

const browser = await chromium.launch({ executablePath: process.env.CHROME_PATH || '/usr/bin/chromium', args: ['--no-sandbox'] });
const results = args.map(() => ({ start: [], module: [], key: [] }));
for (let round = 0; round < rounds; ++round) {
  for (const [i, dir] of args.entries()) {
    const context = await browser.newContext({ viewport: { width: 1280, height: 720 } });
    const page = await context.newPage();
    await page.addInitScript(markInstantiated);
    // At this second the human moves first (the test's clock would hide the marks).
    await page.addInitScript(() => { Date.now = () => 1767225624500; });
    await page.goto('file://' + path.resolve(dir, 'zot.html'));
    await page.waitForSelector('#game:not([aria-busy])', { state: 'attached' });
    const [instantiated, frame] = await page.evaluate(() => ['zot-instantiated', 'zot-first-frame']
      .map((name) => performance.getEntriesByName(name)[0].startTime));
    results[i].start.push(frame);
    results[i].module.push(frame - instantiated);
    await page.locator('#draw-pile').dispatchEvent('click');
    results[i].key.push(median(await keyTimes(page, kKeys)));
    await context.close();
  }
}
await browser.close();

for (const [i, dir] of args.entries()) {
  const wasm = fs.readFileSync(path.join(dir, 'web', 'zot.wasm'));
  const r = results[i];
  console.log(`${dir}: wasm ${wasm.length} bytes, ${zlib.gzipSync(wasm, { level: 9 }).length} packed; ` +
              `zot.html ${fs.statSync(path.join(dir, 'zot.html')).size} bytes; median of ${rounds}: ` +
              `first frame ${median(r.start).toFixed(0)} ms, module's start ${median(r.module).toFixed(1)} ms, ` +
              `a key's move ${median(r.key).toFixed(2)} ms`);
}
