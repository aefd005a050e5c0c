#!/usr/bin/env node
// The page as a screen reader sees it: a whole match played only through the
// accessibility tree (roles and accessible names, the keyboard, no coordinates)
// to its last dialog; what the page said is line for line what zot-sim says of
// the same match (the table's words, which the words tests check against the
// events); at every turn no opponent's card is named anywhere the reader can
// reach; the keys that say the table again.
//   access_test.js ZOT_HTML E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR ZOT_SIM
'use strict';
const { execFileSync } = require('child_process');
const { check, checkEq, openPage, words, followPlan, run } = require('./page_lib.js');

const W = words.strings;
const simTool = process.argv[7];
const colorNames = [W.IDS_BLUE, W.IDS_GREEN, W.IDS_RED, W.IDS_YELLOW];
const fill = (template, ...values) => template.replace(/%(\d)/g, (_, n) => String(values[n - 1]));
const seatName = (seat) => seat === 0 ? W.IDS_YOU : fill(W.IDS_SEAT, seat + 1);
function cardName(code) {
  if (code === 53) return W.IDS_WILD;
  if (code === 54) return W.IDS_WILD_DRAW_FOUR;
  const face = (code - 1) % 13;
  return fill(W.IDS_CARD, colorNames[Math.floor((code - 1) / 13)],
              face <= 9 ? face : [W.IDS_FACE_DRAW_TWO, W.IDS_FACE_REVERSE, W.IDS_FACE_SKIP][face - 10]);
}
const allCodes = Array.from({ length: 54 }, (_, i) => i + 1);
// The card names a text holds (the longer wild's name is not also the shorter's).
const namesIn = (text) => allCodes.filter((code) =>
  (code === 53 ? text.split(W.IDS_WILD_DRAW_FOUR).join('') : text).includes(cardName(code)));

// Every line the moves log ever held, as the page added them.
function recordSaid() {
  window.__said = [];
  new MutationObserver((changes) => {
    for (const change of changes) for (const node of change.addedNodes) window.__said.push(node.textContent);
  }).observe(document.getElementById('moves') || document.documentElement, { childList: true, subtree: true });
}

// The cards the human may know by the k-th turn of the trace: the own hand,
// the own draws and every card played or turned up.
function publicBefore(trace, turns) {
  const known = new Set();
  for (const line of trace) {
    if (line === 'turn seat=0' && --turns < 0) break;
    const f = Object.fromEntries(line.split(' ').slice(1).map((p) => p.split('=')));
    if (line.startsWith('hand seat=0') || line.startsWith('deal')) (f.cards || f.discard).split(',').forEach((c) => known.add(Number(c)));
    if (line.startsWith('play') || line.startsWith('draw seat=0')) known.add(Number(f.card));
  }
  return known;
}

run('accessibility tests', async (browser) => {
  const seed = 1767225620;
  const sim = (...extra) => execFileSync(simTool, ['--seed', String(seed), '--players', '4', '--rules', 'standard',
    '--length', 'one-deal', ...extra], { encoding: 'utf8' }).trim().split('\n');
  const trace = sim(), told = sim('--words');
  const page = await openPage(browser, seed, { width: 1280, height: 720 }, { clock: true });
  await page.evaluate(recordSaid);
  const hand = page.getByRole('region', { name: W.IDS_HAND });
  const dialog = page.getByRole('dialog');
  let turns = 0, extraAt = -1;
  const act = {
    start: () => hand.getByRole('button', { name: W.IDS_START, exact: true }).press('Enter'),
    card: (p, index) => (index < 0 ? hand.getByRole('button', { name: W.IDS_DRAW_PILE, exact: true })
      : hand.getByRole('button').nth(index)).press('Enter'),
    color: (p, color) => dialog.getByRole('radio', { name: words.dialogs[169].controls[color + 1].text }).check(),
    ok: () => dialog.getByRole('button', { name: words.dialogs[169].controls[0].text, exact: true }).click(),
    // At every turn nothing names a card the human cannot know of.
    turn: async () => {
      const reachable = await page.locator('body').ariaSnapshot();
      const mine = await hand.getByRole('button').evaluateAll((buttons) => buttons.map((b) => b.getAttribute('aria-label')));
      const known = new Set([...publicBefore(trace, turns++)].map(cardName).concat(mine));
      const exposed = namesIn(reachable).map(cardName).filter((name) => !known.has(name));
      checkEq(`turn ${turns}: no opponent's card named`, exposed, []);
      if (turns === 2) {
        // The keys that say again: the top card, the counts, the moves since yours.
        extraAt = (await page.evaluate(() => window.__said)).length;
        for (const key of ['t', 'c', 'l']) await page.keyboard.press(key);
        const extra = await page.$$eval('#reply p', (p) => p.map((e) => e.textContent));
        const status = await page.$$eval('#status-top, #status-counts', (p) => p.map((e) => e.textContent));
        checkEq('keys T and C say the top card and the counts', extra.slice(0, 2), status);
        check('key L says the moves since yours', extra[2].startsWith(fill(W.IDS_SAY_LAST_MOVES, '')), extra[2]);
        checkEq('the replies are not in the moves log', (await page.evaluate(() => window.__said)).length, extraAt);
      }
    },
  };
  check('the match played through the accessibility tree',
        await followPlan(page, 'access match', ['--seed', String(seed), '--players', '4'], act));
  check('the hand was checked at every turn', turns > 3, String(turns));

  // What was said: the table's words for every event of the trace, in order.
  const said = await page.evaluate(() => window.__said);
  check('the keys were tried', extraAt >= 0);
  checkEq('one line said for every event of the trace', [said.length, told.length], [trace.length, trace.length]);
  const differing = told.map((line, i) => [line, said[i]]).filter(([line, text]) => line !== text);
  checkEq('every line said is the table\'s words for its event', differing.slice(0, 5), []);
});
