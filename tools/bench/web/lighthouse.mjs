#!/usr/bin/env node
// The page as a new player meets it, measured: Lighthouse's mobile and desktop
// audits of the site served from 127.0.0.1 (three runs each, medians), the
// sizes of what travels, and the cold first frame of the one-file page
// against an older one (another build's zot.html), opened from disk in turn in
// the same run. Not a test: numbers for a person to read.
//   npm ci   (in this folder, once)
//   node lighthouse.mjs BUILD_WEB [OLDER_ZOT_HTML] [RUNS]
// BUILD_WEB is build/web (zot.html and site/ in it).
import fs from 'fs';
import path from 'path';
import { createRequire } from 'module';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';
import { chromium } from 'playwright-core';

const require = createRequire(import.meta.url);
const { serve } = require('../../site/serve.js');

const [built, older, runsArg] = process.argv.slice(2);
if (!built) {
  console.error('usage: node lighthouse.mjs BUILD_WEB [OLDER_ZOT_HTML] [RUNS]');
  process.exit(2);
}
const runs = Number(runsArg || 3);
const chromePath = process.env.CHROME_PATH || '/usr/bin/chromium';
// Nothing outside this machine answers here: Chromium asks nothing of it.
const kQuiet = ['--headless=new', '--no-sandbox', '--disable-background-networking', '--disable-component-update',
  '--disable-default-apps', '--disable-sync', '--no-first-run', '--disable-domain-reliability', '--metrics-recording-only'];
const kMetrics = ['first-contentful-paint', 'largest-contentful-paint', 'speed-index', 'interactive', 'total-blocking-time',
  'cumulative-layout-shift'];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function audit(url, config) {
  const chrome = await chromeLauncher.launch({ chromePath, chromeFlags: kQuiet });
  try {
    const { lhr } = await lighthouse(url, { port: chrome.port, logLevel: 'error', output: 'json',
      onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'] }, config);
    return {
      scores: Object.fromEntries(Object.entries(lhr.categories).map(([id, category]) => [id, category.score])),
      metrics: Object.fromEntries(kMetrics.map((id) => [id, lhr.audits[id].numericValue])),
      failing: Object.values(lhr.audits).filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary').map((a) => a.id),
    };
  } finally {
    await chrome.kill();
  }
}

async function lighthouseMedians(url) {
  for (const [form, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
    const results = [];
    for (let i = 0; i < runs; ++i) results.push(await audit(url, config));
    const scores = Object.keys(results[0].scores).map((id) => `${id} ${median(results.map((r) => r.scores[id])).toFixed(2)}`);
    const metrics = kMetrics.map((id) => {
      const value = median(results.map((r) => r.metrics[id]));
      return id === 'cumulative-layout-shift' ? `CLS ${value.toFixed(3)}` : `${id} ${(value / 1000).toFixed(2)} s`;
    });
    console.log(`Lighthouse ${form} (median of ${runs}): ${scores.join(', ')}`);
    console.log(`  ${metrics.join(', ')}`);
    const failing = [...new Set(results.flatMap((r) => r.failing))];
    if (failing.length) console.log(`  audits not passed in some run: ${failing.join(', ')}`);
  }
}

// Milliseconds from navigation to the page's mark 'zot-first-frame', in a new
// context each time (nothing cached), the pages taken in turn; with the median
// of each round's difference from the first page, which the machine's drift
// from round to round (tens of milliseconds here) does not move.
async function firstFrames(pages, rounds) {
  const browser = await chromium.launch({ executablePath: chromePath, args: ['--no-sandbox'] });
  const times = pages.map(() => []);
  for (let round = 0; round < rounds; ++round) {
    for (const [i, file] of pages.entries()) {
      const context = await browser.newContext();
      const page = await context.newPage();
      await page.goto('file://' + path.resolve(file));
      await page.waitForFunction(() => performance.getEntriesByName('zot-first-frame').length > 0);
      times[i].push(await page.evaluate(() => performance.getEntriesByName('zot-first-frame')[0].startTime));
      await context.close();
    }
  }
  await browser.close();
  return times.map((t) => ({ median: median(t), apart: median(t.map((value, round) => value - times[0][round])) }));
}

const site = path.join(built, 'site');
const siteBytes = fs.readdirSync(site).reduce((sum, name) => sum + fs.statSync(path.join(site, name)).size, 0);
console.log(`zot.html ${fs.statSync(path.join(built, 'zot.html')).size} bytes; the site's index.html ` +
            `${fs.statSync(path.join(site, 'index.html')).size} bytes, all its files ${siteBytes} bytes`);
const pages = [path.join(built, 'zot.html'), ...(older ? [older] : [])];
const kRounds = 41;
const frames = await firstFrames(pages, kRounds);
console.log(`cold first frame, median of ${kRounds}, from disk: ` + pages.map((p, i) =>
  `${p} ${frames[i].median.toFixed(0)} ms` + (i ? ` (${frames[i].apart >= 0 ? '+' : ''}${frames[i].apart.toFixed(0)} ms a round)` : '')).join('; '));

const host = await serve(path.resolve(site)).start();
try {
  await lighthouseMedians(host.url);
} finally {
  await host.stop();
}
