// What every browser suite of the page shares: checks, the model's pictures
// from zot-render and e2e_plan, the canvas read back, the page opened from
// disk (or the site served from 127.0.0.1) with the calendar fixed and its
// timers counted, presses, menus by pointer and by keys, and axe's audit.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');
const { chromium } = require('playwright-core');
const rcWords = require('../../resources/rc/rc_words.js');
const { serve } = require('../../tools/site/serve.js');

// Every suite takes the same arguments: ZOT_HTML E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR;
// ZOT_HTML a folder is the site, served by the suite itself.
const [pageFile, planTool, renderTool, resources, outDir] = process.argv.slice(2);
fs.mkdirSync(outDir, { recursive: true });
const served = fs.statSync(pageFile).isDirectory();
let site = null;
const pageUrl = () => (served ? site.url : 'file://' + path.resolve(pageFile));
let passed = 0, failed = 0;

function check(name, ok, detail = '') {
  if (ok) passed++;
  else { failed++; console.log(`FAIL: ${name}${detail ? ': ' + detail : ''}`); }
  return ok;
}
const checkEq = (name, got, want) =>
  check(name, JSON.stringify(got) === JSON.stringify(want), `got ${JSON.stringify(got)}, want ${JSON.stringify(want)}`);

// Our PNG writer: 8-bit RGB, filter 0 on every row.
function readPng(file) {
  const bytes = fs.readFileSync(file), idat = [];
  for (let at = 8; at < bytes.length; at += 12 + bytes.readUInt32BE(at)) {
    if (bytes.toString('ascii', at + 4, at + 8) === 'IDAT') idat.push(bytes.subarray(at + 8, at + 8 + bytes.readUInt32BE(at)));
  }
  const raw = zlib.inflateSync(Buffer.concat(idat)), stride = bytes.readUInt32BE(16) * 3, rgb = Buffer.alloc(raw.length);
  for (let y = 0; y * (stride + 1) < raw.length; ++y) raw.copy(rgb, y * stride, y * (stride + 1) + 1, (y + 1) * (stride + 1));
  return rgb.subarray(0, (raw.length / (stride + 1)) * stride);
}

function render(name, args) {
  const file = path.join(outDir, name + '.png');
  execFileSync(args[0] === 'plan' ? planTool : renderTool, [...args.slice(1), args[0] === 'plan' ? '--picture' : '-o', file],
               { stdio: ['ignore', 'ignore', 'ignore'] });
  return readPng(file);
}

const canvasRgb = async (page) => Buffer.from(await page.evaluate(() => {
  const data = document.getElementById('table').getContext('2d').getImageData(0, 0, 600, 400).data;
  let s = '';
  for (let i = 0; i < data.length; i += 4) s += String.fromCharCode(data[i], data[i + 1], data[i + 2]);
  return btoa(s);
}), 'base64');

function differing(a, b) {
  let n = 0;
  for (let i = 0; i < a.length; i += 3) n += a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2];
  return n;
}

// Waits until the canvas shows `model` exactly.
async function expectTable(page, name, model, timeoutMs) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const diff = differing(await canvasRgb(page), model);
    if (diff === 0) return check(name, true);
    if (Date.now() > deadline) return check(name, false, `${diff} pixels differ from the model`);
    await page.waitForTimeout(100);
  }
}

// Counts timers, animation frames and the cues started, before the page runs.
function instrument() {
  const pending = new Set(), realSet = window.setTimeout, realClear = window.clearTimeout;
  const realInterval = window.setInterval, realFrame = window.requestAnimationFrame;
  window.__zot = { pending, timeouts: 0, intervals: 0, frames: 0, cues: [] };
  window.setTimeout = (callback, ms, ...rest) => {
    const id = realSet.call(window, (...args) => { pending.delete(id); callback(...args); }, ms, ...rest);
    window.__zot.timeouts++;
    return pending.add(id), id;
  };
  window.clearTimeout = (id) => { pending.delete(id); realClear.call(window, id); };
  window.setInterval = (...args) => { window.__zot.intervals++; return realInterval.apply(window, args); };
  window.requestAnimationFrame = (callback) => { window.__zot.frames++; return realFrame.call(window, callback); };
  const realStart = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    // The browser decodes at its own rate: a cue is known by its length in ms.
    window.__zot.cues.push(Math.round(this.buffer.duration * 1000));
    return realStart.apply(this, args);
  };
}

// What the page's policy blocks is an error of the page, heard from before its first script.
function watchPolicy() {
  document.addEventListener('securitypolicyviolation', (e) => console.error(`policy blocked ${e.blockedURI} (${e.violatedDirective})`));
}

const errors = [];
function watchErrors(page) {
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(error.message));
}

// Once the page has its first frame and any saved match in place.
const framed = (page) => page.waitForSelector('#game:not([aria-busy])', { state: 'attached' });

// A page at calendar second `seconds`: with `clock`, its timers run only when
// the test moves the clock on (page.clock.runFor), so computer moves take no
// real time; without, they run on the real clock.
async function openPage(browser, seconds, viewport, options = {}) {
  const context = options.context || await browser.newContext({ viewport, ...options.device });
  const page = await context.newPage();
  watchErrors(page);
  page.clocked = Boolean(options.clock);
  if (options.clock) {
    // Paused within the second, so the match is that second's however slow the start.
    await page.clock.install({ time: seconds * 1000 });
    await page.clock.pauseAt(seconds * 1000 + 500);
  } else {
    await page.clock.setFixedTime(seconds * 1000);
  }
  await page.addInitScript(instrument);
  await page.addInitScript(watchPolicy);
  await page.goto(pageUrl());
  await framed(page);
  // The pictures of the classic table are what most suites check: chosen as a
  // player would, unless the page's own table is asked for. (Storage read as
  // a page starts, before the last page's writes are in, reads them stale.)
  if (!options.table) {
    await page.evaluate(() => {
      const choice = document.getElementById('view-choice');
      if (choice.getAttribute('aria-pressed') !== 'true') choice.click();
    });
  }
  return page;
}

const state = (page) => page.evaluate(() => ({
  pending: window.__zot.pending.size, timeouts: window.__zot.timeouts, intervals: window.__zot.intervals,
  frames: window.__zot.frames, cues: window.__zot.cues.length,
  lastCue: window.__zot.cues[window.__zot.cues.length - 1] || null,
  dialog: Array.from(document.querySelectorAll('.dialog:not([hidden])')).map((d) => d.id),
}));

async function press(page, x, y) {
  const box = await page.locator('#table').boundingBox();
  await page.mouse.click(box.x + (x + 0.5) * box.width / 600, box.y + (y + 0.5) * box.height / 400);
}

// A match in progress is thrown away only once its question is answered yes.
async function confirmNewMatch(page) {
  if (await page.$('#dialog-186:not([hidden])')) await page.click('#dialog-186 button[data-id="1"]');
}

async function chooseMenu(page, id) {
  await page.click(`.menu:has(li[data-command="${id}"]) .menu-title`);
  await page.click(`li[data-command="${id}"]`);
  await confirmNewMatch(page);
}

// A key as Playwright names it, or Alt with a letter it has no name for
// (the menus' Arabic access letters), sent as the keyboard would.
async function pressKey(page, key) {
  const letter = key.match(/^Alt\+([^\x00-\x7f])$/);
  if (!letter) return page.keyboard.press(key);
  const cdp = await page.context().newCDPSession(page);
  for (const type of ['rawKeyDown', 'keyUp']) await cdp.send('Input.dispatchKeyEvent', { type, key: letter[1], modifiers: 1 });
  await cdp.detach();
}

// The same by keys alone: Alt with the menu's access letter, Down to the item, Enter.
async function chooseByKeys(page, id) {
  const popup = words.menu.find((p) => p.items.some((item) => item.id === id));
  await pressKey(page, 'Alt+' + popup.text.match(/&(.)/)[1]);
  for (let tries = 0; tries < 20 && await page.evaluate(() => document.activeElement.dataset.command) !== String(id); ++tries) {
    await page.keyboard.press('ArrowDown');
  }
  await page.keyboard.press('Enter');
  // A match in progress: Tab from the default "no" to "yes", Enter.
  if (await page.$('#dialog-186:not([hidden])')) {
    await audit(page, 'in dialog 186');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter');
  }
}

// axe-core on the page as it stands, once for each state named: no violation.
const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const audited = new Set();
async function audit(page, state) {
  if (audited.has(state)) return;
  audited.add(state);
  if (!await page.evaluate(() => 'axe' in window)) await page.evaluate(`${axeSource}\n;0`);  // a script element: blocked
  const report = page.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`));
  // axe waits on timers: a page on the test's clock has them run a millisecond at a time.
  let done = !page.clocked;
  report.finally(() => { done = true; }).catch(() => {});
  while (!done) await page.clock.runFor(1);
  checkEq(`axe: no violation ${state}`, await report, []);
}

const marks = (page) => page.$$eval('li[aria-checked="true"]', (items) => items.map((i) => Number(i.dataset.command)));

const dialogTexts = (page, id) => page.$eval(`#dialog-${id}`, (d) => ({
  caption: d.querySelector('.caption').firstChild.textContent,
  texts: Array.from(d.querySelectorAll('.body p, .body th, .body td:not(:empty), .body legend, .body label')).map((e) => e.textContent),
  buttons: Array.from(d.querySelectorAll('button[data-answer]')).map((b) => b.textContent),
  direction: getComputedStyle(d).direction,
}));

const waitDialog = (page, id) => page.waitForSelector(`#dialog-${id}:not([hidden])`, { timeout: 20000 });


// The resource script's words: the menu and dialogs as the page has them, the
// string table as the script spells it, by name, not through the numbers the
// page looks its strings up by (two names of one number showed one string's
// words in the other's place, and a table read through them agreed).
const words = rcWords.read(path.join(resources, 'zot.rc'), path.join(resources, 'resource.h'), { page: true });
words.strings = Object.fromEntries(Array.from(fs.readFileSync(path.join(resources, 'zot.rc'), 'utf8')
  .matchAll(/^\s*(IDS_\w+),\s*"((?:[^"]|"")*)"\s*$/gm), ([, name, text]) => [name, text.replace(/""/g, '"')]));

// The lines of e2e_plan's script for these settings, each split into words.
const planOf = (settings) => execFileSync(planTool, settings, { encoding: 'utf8' }).trim().split('\n').map((l) => l.split(' '));

const kDialogIds = { color: 169, drawn: 180, score: 174, won: 177, lost: 178 };
// Computer moves come as the clock moves on.
// The dialog of that kind, or (null) any.
async function waitForDialog(page, kind) {
  const done = async () => { const open = await dialogOpen(page); return kind === null ? open !== 0 : open === kDialogIds[kind]; };
  for (let tries = 0; tries < 300 && !await done(); ++tries) await page.clock.runFor(1100);
}

const dialogOpen = (page) => page.evaluate(() => {
  const open = document.querySelector('.dialog:not([hidden])');
  return open ? Number(open.id.slice(7)) : 0;
});

// Follows e2e_plan's script on `page` whose clock is the test's: the human's
// moves and dialog answers by `act` (start, card(index; -1 the draw pile),
// color, ok), computer moves by moving the clock on, the table equal to the
// model at every human turn, where `act.turn(step)` may look at the page.
// `reloadAt(step)` may ask for a reload before a step; after one inside a
// dialog the match is back before the move that opened it: a computer's move
// replays by itself, the human's is made again.
async function followPlan(page, name, settings, act, reloadAt = () => false) {
  const plan = planOf(settings);
  const model = (moves) => render(`${name}_${moves}`, ['plan', ...settings, '--moves', String(moves)]);
  let lastHumanStep = 0, lastMoves = 0;
  for (let i = 0; i < plan.length; ++i) {
    const [verb, a, b, c] = plan[i];
    if (verb === 'dialog') await waitForDialog(page, a);
    if (reloadAt(i)) {
      await page.reload();
      await framed(page);
      const yourTurn = await page.$eval('#status-turn', (e, you) => e.textContent.startsWith(you),
                                        words.strings.IDS_STATUS_TURN_YOU.split('،')[0]);
      if (verb === 'dialog' && yourTurn) {
        i = lastHumanStep - 1;
        continue;
      }
      if (verb === 'dialog') {
        // A computer's move replays with all its dialogs: go back to the first.
        await waitForDialog(page, null);
        const opened = await dialogOpen(page);
        let j = i;
        while (plan[j - 1][0] === 'dialog' && kDialogIds[plan[j][1]] !== opened) --j;
        i = j - 1;
        continue;
      }
    }
    if (verb === 'start') await act.start(page);
    else if (verb === 'menu') {
      await page.evaluate((id) => document.querySelector(`li[data-command="${id}"]`).click(), a);
      await confirmNewMatch(page);
    }
    else if (verb === 'click') {
      lastHumanStep = i;
      await act.card(page, Number(c));
    } else if (verb === 'table' || verb === 'over') {
      const picture = model(Number(a));
      let diff = 0;
      // One computer move a tick; a refused draw under draw-until-playable rules is a move too.
      for (let tries = Number(a) - lastMoves + 3; tries > 0 && (diff = differing(await canvasRgb(page), picture)) !== 0; --tries) {
        await page.clock.runFor(1100);
      }
      lastMoves = Number(a);
      if (!checkEq(`${name}: table after ${a} moves`, diff, 0)) return false;
      if (verb === 'table' && act.turn) await act.turn(page, i);
    } else if (verb === 'dialog') {
      const id = kDialogIds[a];
      if (!checkEq(`${name}: ${a} dialog at step ${i}`, await dialogOpen(page), id)) return false;
      if (a === 'score') {
        // Each seat's row: the points left in its hand, then its match score.
        const fields = await page.$$eval('#dialog-174 tr', (rows) => rows.slice(1).map((row) =>
          Array.from(row.querySelectorAll('[data-field]'), (e) => e.textContent)));
        const [p, s] = [b.split(','), c.split(',')];
        checkEq(`${name}: score fields`, fields, p.map((points, seat) => [points, s[seat]]));
      }
      if (a === 'color') await act.color(page, Number(b));
      await act.ok(page, id);
    }
  }
  return true;
}

async function run(name, body) {
  const started = Date.now();
  if (served) site = await serve(pageFile).start();
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  try {
    await body(browser, site);
  } catch (error) {
    check('test ran to the end', false, error.stack);
  } finally {
    await browser.close();
    if (site) await site.stop();
  }
  checkEq('no console errors or page errors', errors, []);
  console.log(`${name} took ${((Date.now() - started) / 1000).toFixed(1)} s`);
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
}

module.exports = {
  fs, path, pageFile, pageUrl, served, serve, resources, outDir, check, checkEq, render, canvasRgb, differing, expectTable,
  errors, watchErrors, watchPolicy, framed, openPage, state, press, pressKey, chooseMenu, chooseByKeys, confirmNewMatch, audit, marks,
  dialogTexts, waitDialog, words, planOf, dialogOpen, followPlan, run,
};
