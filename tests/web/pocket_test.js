#!/usr/bin/env node
// The page on phones, tablets and a zoomed desktop, and a match that outlives
// the tab. On emulated devices, upright and on their side: the table sharp by
// whole device pixels, the large hand's buttons big enough for a finger, a
// whole match played by taps on them equal to the model at every turn, a pinch
// that plays nothing, menus and dialogs made for fingers. Then the store:
// reloads inside a match to 500 (between moves and inside every kind of
// dialog) end as the match without them, broken saves give a fresh table and a
// notice, refused storage changes nothing, statistics count each match once,
// two tabs keep to one save. And the keys that the page read unlike Windows.
//   pocket_test.js ZOT_HTML E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR
'use strict';
const { pageUrl, check, checkEq, render, canvasRgb, differing, errors, framed, openPage, chooseMenu, audit, words, planOf,
  dialogOpen, followPlan, run } = require('./page_lib.js');

const kPhone = { viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
const kTall = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const kTablet = { viewport: { width: 768, height: 1024 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
const kDesktop = { viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1.25 };
const turned = (device) => ({ ...device, viewport: { width: device.viewport.height, height: device.viewport.width } });
const W = words.strings;
const kSaveKey = 'zot.match.v1';

// Where the table and the hand buttons are, in CSS and device pixels, once
// the page has settled into its room.
async function layout(page) {
  let last = '', now = '';
  for (let tries = 0; tries < 20 && (now = JSON.stringify(await measure(page))) !== last; ++tries) {
    last = now;
    await page.waitForTimeout(50);
  }
  return JSON.parse(now);
}
const measure = (page) => page.evaluate(() => {
  const box = document.getElementById('table').getBoundingClientRect(), ratio = devicePixelRatio;
  const rect = (e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, w: r.width, h: r.height }; };
  return { ratio, k: box.width * ratio / 600, left: box.left * ratio, top: box.top * ratio,
    large: document.getElementById('hand').classList.contains('large'),
    cards: Array.from(document.querySelectorAll('#hand .card')).map(rect), width: innerWidth, height: innerHeight,
    frame: rect(document.getElementById('table-frame')), panel: rect(document.getElementById('status')) };
});

const whole = (v) => Math.abs(v - Math.round(v)) < 0.02;
function checkLayout(name, l, touch) {
  check(`${name}: table by whole device pixels, on whole device pixels`, l.k >= 1 && whole(l.k) && whole(l.left) && whole(l.top),
        JSON.stringify([l.k, l.left, l.top]));
  checkEq(`${name}: large hand`, l.large, touch);
  // The table in words: on the screen, over neither the table nor the hand.
  const apart = (a, b) => a.x + a.w <= b.x + 0.5 || b.x + b.w <= a.x + 0.5 || a.y + a.h <= b.y + 0.5 || b.y + b.h <= a.y + 0.5;
  const p = l.panel;
  check(`${name}: the words on the screen, over neither the table nor a card`, p.w >= 150 && p.h >= 40 && p.x >= -0.5 &&
        p.y >= -0.5 && p.x + p.w <= l.width + 0.5 && p.y + p.h <= l.height + 0.5 && [l.frame, ...l.cards].every((r) => apart(p, r)),
        JSON.stringify([p, l.frame]));
  if (touch) {
    const small = l.cards.filter((c) => c.w < 44 || c.h < 64 || c.x < -0.5 || c.x + c.w > l.width + 0.5);
    check(`${name}: every card a finger's size, on the screen`, l.cards.length > 0 && small.length === 0, JSON.stringify(small));
  }
}

// A tap on the middle of an element, by the touch screen.
async function tap(page, selector) {
  const box = await page.locator(selector).boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

// One finger down, then a second, both moving apart: a pinch.
async function pinch(page, selector) {
  const box = await page.locator(selector).boundingBox(), x = box.x + box.width / 2, y = box.y + box.height / 2;
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, points) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points });
  await touch('touchStart', [{ x, y, id: 1 }]);
  await touch('touchStart', [{ x, y, id: 1 }, { x: x + 10, y, id: 2 }]);
  for (let d = 20; d <= 80; d += 20) await touch('touchMove', [{ x: x - d, y, id: 1 }, { x: x + 10 + d, y, id: 2 }]);
  await touch('touchEnd', []);
}

const hand = (page) => page.$$eval('#hand-cards .card', (cards) => cards.map((c) => Number(c.dataset.code)));

// The human's moves by the large hand's buttons, `press` tapping or clicking
// them; dialogs answered the same way.
const bySelectors = (press) => ({
  start: (page) => press(page, '#draw-pile'),
  card: (page, index) => press(page, index < 0 ? '#draw-pile' : `#hand-cards .card[data-index="${index}"]`),
  color: async (page, color) => {
    const small = await page.$$eval('#dialog-169 label', (all) => all.map((e) => e.getBoundingClientRect())
      .filter((r) => r.width < 44 || r.height < 44));
    checkEq('colour choices a finger\'s size', small, []);
    await press(page, `#dialog-169 label:has(input[value="${color}"])`);
  },
  ok: (page, id) => press(page, `#dialog-${id} button[data-id="1"]`),
});

// Saved games the page must refuse, made from a real one.
function brokenSaves(valid) {
  const edit = (field, value) => valid.replace(new RegExp(`^${field} .*$`, 'm'), `${field} ${value}`);
  const draw = valid.match(/^draw (.*)$/m)[1];
  return {
    empty: '', garbage: '{"table": [1, 2, 3]}', truncated: valid.slice(0, valid.length / 2),
    'no version': valid.replace('zot-save 1', 'zot-save 0'), 'trailing garbage': valid + 'x\n',
    // Read as a C string it was the valid save.
    'a NUL, then more': valid + '\0x', 'two million characters': 'zot-save 1\n' + 'x'.repeat(2e6),
    'five players': edit('players', 5), 'a turn beyond the seats': edit('turn', 7), 'a fifth colour': edit('color', 4),
    'a card doubled': edit('draw', draw + draw[0]), 'a card missing': edit('draw', draw.slice(1)),
    'a field twice': valid.replace(/^sound .*$/m, '$&\n$&'), 'too long': 'zot-save 1\n' + 'x'.repeat(100000),
    'more won than played': edit('tally4', '1 5 0 0 0 0'),
  };
}

run('pocket tests', async (browser) => {
  const seed = 1767225620;
  const idle = render('idle4', ['render', '--idle', '--players', '4']);

  // Every screen: the table sharp, the large hand on touch screens, turning
  // the device mid-match loses nothing.
  for (const [name, device, touch] of [['phone', kPhone, true], ['phone on its side', turned(kPhone), true],
    ['tall phone', kTall, true], ['tall phone on its side', turned(kTall), true], ['tablet', kTablet, true],
    ['desktop at 125 %', kDesktop, false]]) {
    const page = await openPage(browser, seed, null, { device, clock: true });
    await page.locator('#draw-pile').dispatchEvent('click');
    checkLayout(name, await layout(page), touch);
    const before = [await canvasRgb(page), await hand(page)];
    await page.setViewportSize(turned(device).viewport);
    checkLayout(`${name}, turned`, await layout(page), touch);
    checkEq(`${name}: turning loses nothing`, [differing(await canvasRgb(page), before[0]), await hand(page)], [0, before[1]]);
    if (!touch) {
      // Zoomed from 125 % to 150 %: the same device pixels, a larger ratio.
      const cdp = await page.context().newCDPSession(page);
      await cdp.send('Emulation.setDeviceMetricsOverride', { width: 1067, height: 600, deviceScaleFactor: 1.5, mobile: false });
      const zoomed = await layout(page);
      checkEq(`${name}: zoomed to 150 %`, zoomed.ratio, 1.5);
      checkLayout(`${name}, zoomed to 150 %`, zoomed, false);
    }
    await page.context().close();
  }

  // A hand of 37 cards on a phone on its side: the hand scrolls, its cards
  // stay a finger's size (draw-until-playable rules, the human first).
  let page = await openPage(browser, 1767225624, null, { device: turned(kPhone), clock: true });
  await page.evaluate(() => document.querySelector('li[data-command="40024"]').click());
  for (let draws = 0; draws < 30; ++draws) await page.locator('#draw-pile').dispatchEvent('click');
  const big = await layout(page);
  checkEq('a big hand: 37 cards', big.cards.length, 38);
  checkLayout('a big hand', big, true);
  await audit(page, 'on a phone on its side, a big hand');
  await page.context().close();

  // A whole match on an upright phone by taps on the large hand only; at the
  // first turn a pinch on the hand plays nothing.
  page = await openPage(browser, seed, null, { device: kPhone, clock: true });
  let pinched = false;
  await followPlan(page, 'phone match', ['--seed', String(seed), '--players', '4'], bySelectors(async (p, selector) => {
    if (!pinched && selector.startsWith('#hand-cards')) {
      pinched = true;
      await audit(p, 'on a phone, mid-deal, the large hand');
      const before = [await canvasRgb(p), await hand(p)];
      await pinch(p, selector);
      await p.clock.runFor(1100);
      checkEq('a pinch on the hand plays nothing', [differing(await canvasRgb(p), before[0]), await hand(p)], [0, before[1]]);
    }
    await tap(p, selector);
  }));
  check('the pinch was tried', pinched);

  // The match counted once, also after a reload; the reset asks first.
  const statistics = () => page.$$eval('#dialog-184 [data-field]', (f) => f.map((e) => Number(e.textContent)));
  const answer = (dialog, button) => page.click(`#dialog-${dialog} button[data-id="${button}"]`);
  await chooseMenu(page, 40025);
  await audit(page, 'on a phone, in dialog 184');
  const played = await statistics();
  checkEq('statistics: one four-player match played, won or lost', [played[12], played[13] + played[14]], [1, 1]);
  await answer(184, 1);
  await page.reload();
  await framed(page);
  await chooseMenu(page, 40025);
  checkEq('statistics: a reload counts nothing again', await statistics(), played);
  await answer(184, 1050);
  await audit(page, 'on a phone, in dialog 185');
  await answer(185, 2);
  checkEq('statistics: kept when the reset is declined', await statistics(), played);
  await answer(184, 1050);
  await answer(185, 1);
  check('statistics: reset', (await statistics()).every((v) => v === 0));
  await answer(184, 1);

  // The table in words folds away to its first line, and stays so after a reload.
  await tap(page, '#status-fold');
  const foldedNow = async () => [await page.$eval('#status-fold', (b) => b.getAttribute('aria-expanded')),
    await page.$eval('#status-more', (e) => e.getBoundingClientRect().height > 1)];
  checkEq('the words folded away', await foldedNow(), ['false', false]);
  await page.reload();
  await framed(page);
  checkEq('the words still folded after a reload', await foldedNow(), ['false', false]);
  checkLayout('phone, the words folded', await layout(page), true);
  await tap(page, '#status-fold');
  checkEq('the words open again', await foldedNow(), ['true', true]);

  // Menus by taps: one opens, another switches; items a finger's height.
  await audit(page, 'on a phone, at idle');
  for (const n of [1, 2, 3]) {
    await tap(page, `.menu:nth-child(${n}) .menu-title`);
    await audit(page, `on a phone, with menu ${n} open`);
  }
  await tap(page, '.menu:nth-child(1) .menu-title');
  await tap(page, '.menu:nth-child(2) .menu-title');
  checkEq('menus: a tap on another title switches', await page.$$eval('.menu-title', (t) => t.map((e) => e.getAttribute('aria-expanded'))),
          ['false', 'true', 'false']);
  check('menus: items 44 px tall', (await page.$$eval('.menu:nth-child(2) li[data-command]',
    (items) => items.map((i) => i.getBoundingClientRect().height))).every((h) => h >= 44));
  await tap(page, '.menu:nth-child(2) .menu-title');

  // The help fits the phone, its buttons on screen, its text scrolled by keys.
  await tap(page, '.menu:nth-child(3) .menu-title');
  await tap(page, 'li[data-command="40022"]');
  const fits = await page.evaluate(() => {
    const box = (s) => document.querySelector(s).getBoundingClientRect();
    const inside = (r) => r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth;
    return [inside(box('#dialog-181')), inside(box('#dialog-181 button[data-id="1"]'))];
  });
  checkEq('help: the dialog and its button on the phone\'s screen', fits, [true, true]);
  await audit(page, 'on a phone, in dialog 181');
  const scrolled = [];
  for (const key of ['PageDown', 'ArrowDown', 'End', 'Home']) {
    await page.keyboard.press(key);
    scrolled.push(await page.$eval('#dialog-181 .help-text', (e) => e.scrollTop));
  }
  check('help: Page Down, the arrows, End and Home scroll its text',
        scrolled[0] > 0 && scrolled[1] > scrolled[0] && scrolled[2] > scrolled[1] && scrolled[3] === 0, JSON.stringify(scrolled));
  await tap(page, '#dialog-181 button[data-id="1"]');
  await page.context().close();

  // A match to 500 with reloads between moves and inside every kind of dialog
  // ends with the plan's scores and result, which the same match without
  // reloads gives.
  const longSeed = 1767225670;
  const settings = ['--seed', String(longSeed), '--menu', '40016,40019'];
  const plan = planOf(settings);
  const reloads = new Set([3, 40, 150]);
  for (const kind of ['color', 'drawn', 'score', 'won', 'lost']) {
    const at = plan.findIndex((step, i) => step[0] === 'dialog' && step[1] === kind && i > 60);
    if (at >= 0) reloads.add(at);
  }
  check('reloads inside a colour, drawn-card, score and final dialog', reloads.size >= 7, JSON.stringify([...reloads]));
  page = await openPage(browser, longSeed, null, { device: kPhone, clock: true });
  const done = new Set();
  const ended = await followPlan(page, 'reloaded match', settings, bySelectors((p, s) => p.click(s)), (i) => {
    if (!reloads.has(i) || done.has(i)) return false;
    done.add(i);
    return true;
  });
  check('reloaded match: played to its end', ended && done.size === reloads.size, JSON.stringify([...done]));

  // Broken saves: a fresh table that deals, the notice, the text kept aside (the last three only); a newer
  // build's save said and never written over.
  const valid = await page.evaluate((key) => localStorage.getItem(key), kSaveKey);
  check('a save of the versioned kind', valid.startsWith('zot-save 1\n') && valid.length < 4096, valid.slice(0, 40));
  const aside = () => page.evaluate(() => Object.keys(localStorage).filter((k) => k.startsWith('zot.match.v1.unread.'))
    .sort((a, b) => a.split('.').pop() - b.split('.').pop()).map((k) => localStorage.getItem(k)));
  const broken = { ...brokenSaves(valid), newer: valid.replace('zot-save 1', 'zot-save 3') };
  for (const [kind, text] of Object.entries(broken)) {
    await page.evaluate(([key, value]) => localStorage.setItem(key, value), [kSaveKey, text]);
    await page.reload();
    await framed(page);
    const notice = await page.evaluate(() => [document.getElementById('notice').hidden, document.getElementById('notice-text').textContent]);
    checkEq(`broken save (${kind}): a fresh table`, differing(await canvasRgb(page), render('idle3', ['render', '--idle', '--players', '4'])), 0);
    await page.locator('#draw-pile').dispatchEvent('click');
    const kept = kind === 'newer' ? await page.evaluate((key) => localStorage.getItem(key), kSaveKey) : (await aside()).pop();
    checkEq(`${kind} save: said, dealt, kept`, [notice, (await hand(page)).length, kept],
            [[false, kind === 'newer' ? W.IDS_SAVE_NEWER : W.IDS_SAVE_UNREADABLE], 7, text]);
  }
  checkEq('the last three broken saves kept aside', await aside(), Object.values(brokenSaves(valid)).slice(-3));
  await page.context().close();

  // Restoring a save is quick, on the real clock.
  page = await (await browser.newContext()).newPage();
  await page.goto(pageUrl());
  await page.evaluate(([key, value]) => localStorage.setItem(key, value), [kSaveKey, valid]);
  await page.reload();
  await framed(page);
  const timings = await page.evaluate(() => ['zot-first-frame', 'zot-restored'].map((n) => performance.getEntriesByName(n)[0].startTime));
  console.log(`first frame ${timings[0].toFixed(0)} ms, save restored ${timings[1].toFixed(0)} ms after navigation`);
  // The aim is 300 ms on an idle machine; this bound only catches a start gone slow.
  check('a saved match restored within a second', timings[1] < 1000, `${timings[1]} ms`);
  await page.context().close();

  // Storage refused: the page plays as it did without it.
  const refusing = await browser.newContext({ viewport: { width: 1280, height: 720 } });
  await refusing.addInitScript(() => {
    Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('refused', 'SecurityError'); } });
  });
  page = await openPage(browser, seed, null, { context: refusing });
  await page.locator('#draw-pile').dispatchEvent('click');
  checkEq('storage refused: the match deals', differing(await canvasRgb(page), render('deal0', ['render', '--seed', String(seed), '--moves', '0'])), 0);
  checkEq('storage refused: no notice', await page.$eval('#notice', (e) => e.hidden), true);
  await refusing.close();

  // A full quota: said once, and the save tried again after the next move.
  const full = await browser.newContext({ viewport: { width: 1280, height: 720 } });
  await full.addInitScript(() => { Storage.prototype.setItem = new Proxy(Storage.prototype.setItem, { apply(set, store, [key, value]) {
    if (key === 'zot.match.v1' && !window.roomAgain) throw new DOMException('full', 'QuotaExceededError');
    return set.call(store, key, value);
  } }); });
  page = await openPage(browser, seed, null, { context: full });
  await page.locator('#draw-pile').dispatchEvent('click');
  const said = await page.$eval('#notice', (e) => [e.hidden, e.getAttribute('role'), e.firstChild.textContent]);
  await page.click('#notice-close');
  await page.keyboard.press('ArrowRight');
  const again = await page.$eval('#notice', (e) => e.hidden);
  await page.evaluate(() => { window.roomAgain = true; });
  await page.keyboard.press('ArrowRight');
  checkEq('storage full: said once, in a live region; saved after the next move once there is room',
          [said, again, await page.evaluate((key) => /^dealActive 1$/m.test(localStorage.getItem(key)), kSaveKey)],
          [[false, 'status', W.IDS_SAVE_REFUSED], true, true]);
  await full.close();

  // Two tabs: the newer one keeps the save; the older one stops and offers to
  // play here.
  const tabs = await browser.newContext({ viewport: { width: 1280, height: 720 } });
  const older = await openPage(browser, seed, null, { context: tabs });
  await older.locator('#draw-pile').dispatchEvent('click');
  const newer = await openPage(browser, seed, null, { context: tabs });
  await older.waitForSelector('#notice-action:not([hidden])');
  const saved = await newer.evaluate((key) => localStorage.getItem(key), kSaveKey);
  await older.locator('#draw-pile').dispatchEvent('click');
  await older.waitForTimeout(300);
  checkEq('two tabs: the older tab plays and saves nothing more', await newer.evaluate((key) => localStorage.getItem(key), kSaveKey), saved);
  await older.click('#notice-action');
  await framed(older);
  checkEq('two tabs: playing here goes on with the newest save', differing(await canvasRgb(older), await canvasRgb(newer)), 0);
  await tabs.close();

  // Keys as on Windows: Ctrl held or not, D the layout's letter (or, on a
  // layout without Latin letters, the key in D's place); a call that throws
  // leaves the page answering.
  // Draw-until-playable rules, the human first: every draw keeps the turn.
  page = await openPage(browser, 1767225624, { width: 1280, height: 720 });
  await chooseMenu(page, 40024);
  await page.keyboard.press('Control+ArrowRight');
  checkEq('Ctrl+Right shows the selection', await page.evaluate(() => Array.from(
    document.getElementById('table').getContext('2d').getImageData(207, 247, 1, 1).data)), [255, 255, 255, 255]);
  const drawsOn = async (key, code) => {
    const before = (await hand(page)).length;
    await page.evaluate(([k, c]) => document.dispatchEvent(new KeyboardEvent('keydown', { key: k, code: c, bubbles: true })), [key, code]);
    await page.waitForTimeout(100);
    return (await hand(page)).length === before + 1;
  };
  checkEq('D by letter, by place without Latin letters, not by place alone',
          [await drawsOn('g', 'KeyD'), await drawsOn('ي', 'KeyD'), await drawsOn('D', 'KeyG')], [false, true, true]);
  // The next frame the module presents throws, inside the call that draws it
  // (a move of the selection, which leaves the hand as it was).
  await page.evaluate(() => {
    const real = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function () {
      CanvasRenderingContext2D.prototype.putImageData = real;
      throw new Error('thrown on purpose');
    };
  });
  await page.keyboard.press('Control+ArrowRight');
  const thrown = errors.findIndex((e) => e.includes('thrown on purpose'));
  check('a call that throws is reported', thrown >= 0);
  if (thrown >= 0) errors.splice(thrown, 1);
  check('after a throw the page still answers (Ctrl+D draws)', await drawsOn('d', 'KeyD'));
});
