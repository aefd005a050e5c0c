#!/usr/bin/env node
// A long restless session on a phone: random taps on the hand, the pile and
// the table, keys, menu commands, dialog answers, resizes, turns, reloads and
// the clock moved on. No page error; every save of the versioned kind and
// small, and every reload restores it without the notice; in the second half
// (no reloads there) the JS heap, the page's elements and the save stay flat. ZOT_PAGE_SOAK_INPUTS
// sets the number of inputs (1000 unless asked), ZOT_PAGE_SOAK_SEED the seed.
//   soak_test.js ZOT_HTML E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR
'use strict';
const { check, framed, openPage, run } = require('./page_lib.js');

const inputs = Number(process.env.ZOT_PAGE_SOAK_INPUTS || 1000);
let seed = Number(process.env.ZOT_PAGE_SOAK_SEED || 1767225700);
// A small generator of our own, so a seed repeats a run.
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const pick = (items) => items[Math.floor(random() * items.length)];
const kCommands = [40008, 40009, 40011, 40013, 40014, 40015, 40016, 40017, 40018, 40019, 40022, 40023, 40024, 40025];
const kKeys = ['ArrowLeft', 'ArrowRight', 'Home', 'End', 'Enter', 'Space', 'd', 'F2', 'l', 'c', 't'];
const kSizes = [[360, 640], [390, 844], [412, 915], [768, 1024], [320, 568]];
// Growth allowed over the second half: clean runs of 1,000 inputs grew the heap
// by 80 to 110 kB (the measure itself wavers that much), the page's elements by
// the hand's size (a big hand holds forty cards), the save by a few digits.
const kHeapBound = 1 << 20, kElementBound = 60, kSaveBound = 256;

async function heap(page) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('HeapProfiler.collectGarbage');
  const { usedSize } = await cdp.send('Runtime.getHeapUsage');
  await cdp.detach();
  return { heap: usedSize, elements: await page.evaluate(() => document.getElementsByTagName('*').length) };
}

run('page soak', async (browser) => {
  const page = await openPage(browser, 1767225700, null,
    { device: { viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true }, clock: true });
  const counts = {};
  let warm = null, largest = 0, badSave = null, noticed = 0;
  // A tap somewhere on one of the elements the selector finds, if any.
  const tapOn = async (selector) => {
    const boxes = await page.$$eval(selector, (all) => all.map((e) => e.getBoundingClientRect().toJSON()));
    const box = boxes.length ? pick(boxes) : null;
    if (box && box.width > 0) await page.touchscreen.tap(box.x + box.width * random(), box.y + box.height * random());
  };
  for (let i = 0; i < inputs; ++i) {
    const [open, save] = await page.evaluate(() => [document.querySelector('.dialog:not([hidden])') !== null,
      localStorage.getItem('zot.match.v1')]);
    if (save !== null && (!save.startsWith('zot-save 1\n') || save.length >= 4096)) badSave = badSave || save;
    largest = Math.max(largest, save ? save.length : 0);
    const roll = random();
    let kind;
    if (open) {
      kind = roll < 0.7 ? 'answer' : roll < 0.8 ? 'radio' : 'escape';
      if (kind === 'answer') await tapOn('.dialog:not([hidden]) .buttons button');
      else if (kind === 'radio') await tapOn('.dialog:not([hidden]) label');
      else await page.keyboard.press('Escape');
    } else {
      kind = roll < 0.35 ? 'card' : roll < 0.5 ? 'pile' : roll < 0.55 ? 'table' : roll < 0.7 ? 'key' : roll < 0.75 ? 'menu'
        : roll < 0.8 ? 'resize' : roll < 0.82 && i < inputs / 2 ? 'reload' : 'clock';
      if (kind === 'card') await tapOn('#hand-cards .card');
      else if (kind === 'pile') await tapOn('#draw-pile');
      else if (kind === 'table') await tapOn('#table');
      else if (kind === 'key') await page.keyboard.press(pick(kKeys));
      else if (kind === 'menu') await page.evaluate((id) => document.querySelector(`li[data-command="${id}"]`).click(), pick(kCommands));
      else if (kind === 'resize') {
        const [w, h] = pick(kSizes);
        await page.setViewportSize(random() < 0.5 ? { width: w, height: h } : { width: h, height: w });
      } else if (kind === 'reload') {
        await page.reload();
        await framed(page);
        if (!await page.$eval('#notice', (e) => e.hidden)) ++noticed;
      } else await page.clock.runFor(Math.floor(random() * 1500));
    }
    counts[kind] = (counts[kind] || 0) + 1;
    if (i === Math.floor(inputs / 2)) warm = { ...await heap(page), save: largest };
  }
  const end = { ...await heap(page), save: largest };
  console.log(`inputs by kind: ${JSON.stringify(counts)}`);
  console.log(`JS heap ${(warm.heap / 1024).toFixed(0)} kB at half way, ${(end.heap / 1024).toFixed(0)} kB at the end; ` +
              `elements ${warm.elements} and ${end.elements}; largest save ${largest} bytes`);
  check('every save of the versioned kind and small', badSave === null, String(badSave).slice(0, 80));
  check('every reload restored its save', noticed === 0, `${noticed} notices`);
  check('JS heap flat over the second half', end.heap < warm.heap + kHeapBound, JSON.stringify([warm, end]));
  check('the page\'s elements flat over the second half', end.elements < warm.elements + kElementBound, JSON.stringify([warm, end]));
  check('saves flat over the second half', end.save < warm.save + kSaveBound, JSON.stringify([warm, end]));
});
