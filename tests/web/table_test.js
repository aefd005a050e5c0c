#!/usr/bin/env node
// The page's own table, its default view: on an upright phone and a desktop
// the whole hand (7 and 20 cards) and the draw pile in sight, every card a
// finger's width; a hover and the keyboard's selection raise that card alone;
// the cards the rules allow marked alike for mouse and touch; a computer's
// move shown in motion, but not under reduced motion nor after a reload; the
// classic table a remembered choice; axe clean.
//   table_test.js ZOT_HTML E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR
'use strict';
const { check, checkEq, framed, openPage, audit, run } = require('./page_lib.js');

const kDevices = [
  ['phone', { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true }],
  ['desktop', { viewport: { width: 1366, height: 768 } }]];
// The human moves first at this second; draw-until-playable, whose choice
// deals, keeps the turn.
const kSeed = 1767225624;

// The hand's cards and the pile as the screen shows them.
const room = (page) => page.evaluate(() => {
  const rect = (e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, w: r.width, h: r.height }; };
  const cards = Array.from(document.querySelectorAll('#hand-cards .card'));
  return { width: innerWidth, height: innerHeight, pile: rect(document.getElementById('draw-pile')),
    cards: cards.map(rect), lifted: cards.flatMap((c, i) => (getComputedStyle(c).transform === 'none' ? [] : [i])),
    marks: cards.map((c) => [c.getAttribute('aria-disabled'), getComputedStyle(c).boxShadow !== 'none']) };
});

function checkRoom(name, r, count) {
  checkEq(`${name}: ${count} cards`, r.cards.length, count);
  const inside = (b) => b.x >= -0.5 && b.y >= -0.5 && b.x + b.w <= r.width + 0.5 && b.y + b.h <= r.height + 0.5;
  // The part of a card the next one in its row leaves uncovered.
  const shown = r.cards.map((c, i) => { const n = r.cards[i + 1]; return n && Math.abs(n.y - c.y) < 1 ? Math.min(c.w, n.x - c.x) : c.w; });
  const bad = r.cards.filter((c, i) => !inside(c) || shown[i] < 44 || c.h < 44);
  check(`${name}: every card and the pile in sight, each at least 44 px`, bad.length === 0 && inside(r.pile) &&
        r.pile.w >= 44, JSON.stringify([bad, r.pile]));
}

const settle = (page) => page.waitForTimeout(250);
// The table's movements under way (not a hand's card standing up).
const running = (page) => page.evaluate(() => document.getAnimations().filter((a) => a.playState === 'running' &&
  !a.effect.target.closest('#hand')).length);

// The next computer's move (the clock moved on to it): whether the log told
// it, and how many movements are then under way.
async function computerMove(page) {
  const lines = () => page.$$eval('#moves p', (p) => p.length);
  const before = await lines();
  await page.clock.runFor(1100);
  return [await lines() > before, await running(page)];
}

run('table_test', async (browser) => {
  const marks = [];
  for (const [name, device] of kDevices) {
    const page = await openPage(browser, kSeed, null, { device, clock: true, table: true });
    await page.evaluate(() => document.querySelector('li[data-command="40024"]').click());
    await settle(page);
    checkRoom(`${name}, opening hand`, await room(page), 7);
    await audit(page, `the page's own table, ${name}`);
    // Of four, seat 2 sits left, 3 at the top, 4 right, as on the classic table.
    checkEq(`${name}: the seats' places`, await page.$$eval('.seat', (s) => s.map((e) => e.dataset.side)),
            ['bottom', 'left', 'top', 'right']);
    if (!device.hasTouch) {
      const box = await page.locator('#hand-cards .card >> nth=2').boundingBox();
      await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
      await settle(page);
      checkEq(`${name}: a hover raises that card alone`, (await room(page)).lifted, [2]);
      await page.mouse.move(0, 0);
      await page.keyboard.press('ArrowRight');
      await page.keyboard.press('ArrowRight');
      await settle(page);
      const selected = await page.$$eval('#hand-cards .card', (c) => c.findIndex((e) => e.getAttribute('aria-current') === 'true'));
      checkEq(`${name}: the keyboard's selection raised alone`, (await room(page)).lifted, [selected]);
    }
    for (let count = 7; count < 20; ++count) {
      await page.locator('#draw-pile').dispatchEvent('click');
      await page.waitForFunction((n) => document.querySelectorAll('#hand-cards .card').length > n, count);
    }
    checkRoom(`${name}, a hand of 20`, await room(page), 20);
    const { marks: shown } = await room(page);
    marks.push(shown.map(([disabled]) => disabled === 'false'));
    check(`${name}: the cards the rules allow ringed, the others not`, shown.every(([d, ring]) => ring === (d === 'false')) &&
          shown.some(([d]) => d === 'false') && shown.some(([d]) => d === 'true'), JSON.stringify(shown));
    await page.context().close();
  }
  checkEq('the same cards marked for mouse and touch', marks[1], marks[0]);

  // A computer's move, still under reduced motion, in motion otherwise (at
  // this second the left seat moves first, the top one next).
  const page = await openPage(browser, kSeed + 1, { width: 1366, height: 768 }, { clock: true, table: true });
  await page.emulateMedia({ reducedMotion: 'reduce' });
  await page.locator('#draw-pile').dispatchEvent('click');
  await settle(page);
  checkEq('under reduced motion, a computer\'s move without movement', await computerMove(page), [true, 0]);
  await page.emulateMedia({ reducedMotion: 'no-preference' });
  const [moved, shown] = await computerMove(page);
  check('a computer\'s move shown in motion', moved && shown > 0, String(shown));
  await page.reload();
  await framed(page);
  checkEq('a reload mid-match: the table at once, nothing replayed', [await running(page),
    await page.$eval('#piles .discard', (d) => /^c[1-9]/.test(d.dataset.art))], [0, true]);
  // The classic table, chosen, stays chosen.
  await page.click('#view-choice');
  await page.reload();
  await framed(page);
  checkEq('the classic table, remembered', await page.evaluate(() => [
    document.getElementById('view-choice').getAttribute('aria-pressed'), document.getElementById('table').offsetParent !== null,
    document.getElementById('felt').offsetParent !== null]), ['true', true, false]);
  await page.context().close();
});
