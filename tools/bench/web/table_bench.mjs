#!/usr/bin/env node
// The table on a phone, measured: the frames while computers move, at four
// times slower CPU (Chromium's throttling, as a modest phone), on an upright
// phone's screen (390 x 844, three device pixels a CSS pixel); Lighthouse's
// mobile audit of the site served from 127.0.0.1; and the size of the one-file
// page. Run it on an older build too to compare. Not a test: numbers for a
// person to read.
//   npm ci   (in this folder, once)
//   node table_bench.mjs BUILD_WEB [LOG_LINES]
// BUILD_WEB is build/web (zot.html and site/ in it).
import fs from 'fs';
import path from 'path';
import { createRequire } from 'module';

const require = createRequire(import.meta.url);
const { serve } = require('../../site/serve.js');
const rcWords = require('../../../resources/rc/rc_words.js');
const kRoot = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../../..');
const { chromium } = require('playwright-core');

const [built, movesArg] = process.argv.slice(2);
if (!built) {
  console.error('usage: node table_bench.mjs BUILD_WEB [LOG_LINES]');
  process.exit(2);
}
const moves = Number(movesArg || 30);
const chromePath = process.env.CHROME_PATH || '/usr/bin/chromium';
const kWindowMs = 800;

// Frame times (ms between animation frames) in the kWindowMs after each move
// the log tells, until the log has told `moves` lines.
async function frameTimes(file) {
  const browser = await chromium.launch({ executablePath: chromePath, args: ['--no-sandbox'] });
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true,
                                             hasTouch: true });
  const page = await context.newPage();
  await page.goto('file://' + path.resolve(file));
  await page.waitForSelector('#game:not([aria-busy])', { state: 'attached' });
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.evaluate((windowMs) => {
    window.benchFrames = [];
    let until = 0, last = 0;
    new MutationObserver(() => { until = performance.now() + windowMs; }).observe(document.getElementById('moves'),
      { childList: true });
    // A frame counts as one inside a movement when one had begun to move at
    // its start and was still under way at its end (the frame of the call
    // that starts a movement comes before it moves).
    window.benchMoving = [];
    let movingBefore = false;
    const frame = (now) => {
      const moving = document.getAnimations().some((a) => a.playState === 'running' && a.currentTime > 0);
      if (last && now <= until) window.benchFrames.push(now - last);
      if (last && moving && movingBefore) window.benchMoving.push(now - last);
      last = now;
      movingBefore = moving;
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  }, kWindowMs);
  await page.locator('#draw-pile').dispatchEvent('click');
  // The human draws when the turn comes back, keeping what is drawn; a
  // dialog is answered no, or its default; both once the table is still, as a
  // player's hand is slower than a movement. The computers' moves come at
  // their own pace.
  const yours = rcWords.read(path.join(kRoot, 'resources/zot.rc'), path.join(kRoot, 'resources/resource.h'), { page: true })
    .strings.IDS_STATUS_TURN_YOU.split('%1')[0];
  let told = 0;
  for (let waited = 0; told < moves && waited < 200; ++waited) {
    await page.waitForTimeout(300);
    if (await page.evaluate(() => document.getAnimations().some((a) => a.playState === 'running'))) continue;
    const dialog = await page.$('.dialog:not([hidden]) button[data-answer="0"], .dialog:not([hidden]) button.default');
    if (dialog) await dialog.click();
    else if (await page.$eval('#status-turn', (e, you) => e.textContent.startsWith(you), yours)) {
      await page.locator('#draw-pile').dispatchEvent('click');
    }
    told = await page.$$eval('#moves p', (p) => p.length);
  }
  const [frames, moving] = await page.evaluate(() => [window.benchFrames, window.benchMoving]);
  await browser.close();
  const sorted = [...frames].sort((a, b) => a - b);
  const at = (q) => (sorted.length ? sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))] : NaN);
  return { count: frames.length, median: at(0.5), p95: at(0.95), longest: sorted[sorted.length - 1],
           over50: frames.filter((t) => t > 50).length, moving: moving.length, movingLongest: Math.max(0, ...moving),
           movingOver50: moving.filter((t) => t > 50).length };
}

async function lighthouseMobile(url) {
  const { default: lighthouse } = await import(require.resolve('lighthouse'));
  const chromeLauncher = await import(require.resolve('chrome-launcher'));
  const chrome = await chromeLauncher.launch({ chromePath, chromeFlags: ['--headless=new', '--no-sandbox',
    '--disable-background-networking', '--disable-component-update', '--no-first-run'] });
  try {
    const { lhr } = await lighthouse(url, { port: chrome.port, logLevel: 'error', onlyCategories: ['performance'] });
    return lhr.categories.performance.score;
  } finally {
    await chrome.kill();
  }
}

console.log(`zot.html ${fs.statSync(path.join(built, 'zot.html')).size} bytes`);
const f = await frameTimes(path.join(built, 'zot.html'));
console.log(`frames within ${kWindowMs} ms of a move, 4x slower CPU, 390 x 844 at 3x: ${f.count} frames, median ` +
            `${f.median.toFixed(1)} ms, 95th ${f.p95.toFixed(1)} ms, longest ${f.longest.toFixed(1)} ms, ${f.over50} over 50 ms; ` +
            `inside a movement: ${f.moving} frames, longest ${f.movingLongest.toFixed(1)} ms, ${f.movingOver50} over 50 ms`);
const host = await serve(path.resolve(path.join(built, 'site'))).start();
try {
  console.log(`Lighthouse mobile performance: ${(await lighthouseMobile(host.url)).toFixed(2)}`);
} finally {
  await host.stop();
}
