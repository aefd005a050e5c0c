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
const seatName = (seat) => seat === 0 ? W.IDS_YOU : fill(W.IDS_SEAT, W[`IDS_ORDINAL_${seat + 1}`]);
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

// The table as the trace has it at the human's k-th turn: every seat's number
// of cards, the human's hand, the top card and the colour in force.
function tableBefore(trace, turns) {
  const table = { counts: [], hand: [], top: 0, color: 0 };
  for (const line of trace) {
    if (line === 'turn seat=0' && --turns < 0) break;
    const [kind, ...pairs] = line.split(' ');
    const f = Object.fromEntries(pairs.map((p) => p.split('='))), seat = Number(f.seat);
    const cards = (list) => list.split(',').map(Number);
    if (kind === 'deal') Object.assign(table, { top: cards(f.discard).pop(), color: Number(f.color) });
    if (kind === 'hand') table.counts[seat] = cards(f.cards).length;
    if (kind === 'hand' && seat === 0) table.hand = cards(f.cards);
    if (kind === 'draw' && f.card !== '0') table.counts[seat]++;
    if (kind === 'draw' && seat === 0 && f.card !== '0') table.hand.push(Number(f.card));
    if (kind === 'take') table.counts[seat] += Number(f.cards);
    if (kind === 'play') Object.assign(table, { top: Number(f.card), color: Number(f.color) }, { counts: table.counts.map((n, s) => n - (s === seat)) });
    if (kind === 'play' && seat === 0) table.hand.splice(table.hand.indexOf(Number(f.card)), 1);
  }
  return table;
}

// What the rules allow, as a player reads them off the table.
function playable(card, { top, color, hand }) {
  const colorOf = (c) => Math.floor((c - 1) / 13), face = (c) => (c - 1) % 13;
  if (card <= 52) return colorOf(card) === color || (top <= 52 && face(top) === face(card));
  return card === 53 || !hand.some((c) => c <= 52 && colorOf(c) === color);
}

// A number of cards as the words say it.
const cardCount = (n) => (n === 1 ? W.IDS_CARDS_ONE : n === 2 ? W.IDS_CARDS_TWO
  : fill(n % 100 >= 3 && n % 100 <= 10 ? W.IDS_CARDS_FEW : W.IDS_CARDS_MANY, n));

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
  const page = await openPage(browser, seed, { width: 1280, height: 720 }, { clock: true, table: true });
  await page.evaluate(recordSaid);
  const hand = page.getByRole('region', { name: W.IDS_HAND });
  const dialog = page.getByRole('dialog');
  let turns = 0, extraAt = -1, computerTurnSeen = false;
  // The words in sight, not only to the reader; where the focus is.
  const seen = (selector) => page.$$eval(selector, (all) => all.map((e) => (e.checkVisibility() ? e.textContent : null)));
  const focusIn = (selector) => page.evaluate((s) => document.activeElement.closest(s) !== null, selector);
  const end = Object.fromEntries(trace.find((line) => line.startsWith('end ')).split(' ').slice(1).map((p) => p.split('=')));
  checkEq('idle: the words in sight say how to start', await seen('#status-turn'), [W.IDS_STATUS_IDLE]);
  const act = {
    start: async () => {
      await hand.getByRole('button', { name: W.IDS_START, exact: true }).press('Enter');
      check('the focus goes from the start to the hand', await focusIn('#hand-cards'));
    },
    card: async (p, index) => {
      await (index < 0 ? hand.getByRole('button', { name: W.IDS_DRAW_PILE, exact: true })
        : hand.getByRole('button').nth(index)).press('Enter');
      check(`turn ${turns}: the focus stays in the hand or its dialog`, await focusIn('#hand, .dialog'));
      const [line] = await seen('#status-turn');
      computerTurnSeen ||= line !== null && /^الدور للاعب (الثاني|الثالث|الرابع)،/.test(line);
    },
    color: (p, color) => dialog.getByRole('radio', { name: words.dialogs[169].controls[color + 1].text }).check(),
    ok: async (p, id) => {
      if (id === 174) {
        // The deal's end: who won it, and the scores, true while its dialog is open.
        const won = end.winner === '0' ? W.IDS_STATUS_DEAL_WON_YOU : fill(W.IDS_STATUS_DEAL_WON, seatName(Number(end.winner)));
        const scores = end.scores.split(',').map((score, seat) => fill(W.IDS_SEAT_COUNT, seatName(seat), score));
        checkEq('at the deal\'s end the lines say it', await page.$$eval('#status-turn, #status-scores', (l) => l.map((e) => e.textContent)),
                [won, fill(W.IDS_STATUS_SCORES, scores.join(W.IDS_LIST))]);
      }
      await dialog.getByRole('button', { name: words.dialogs[169].controls[0].text, exact: true }).click();
      check(`dialog ${id}: the focus back in the hand, or on the next dialog`, await focusIn('#hand, .dialog'));
    },
    // At every turn the words in sight say it is the human's and every seat's
    // count, exactly the cards the rules allow are marked, and nothing names a
    // card the human cannot know of.
    turn: async () => {
      const table = tableBefore(trace, turns);
      checkEq(`turn ${turns}: the words in sight`, [(await seen('#status-turn'))[0].split('،')[0], await seen('#status-seats li')],
              [W.IDS_STATUS_TURN_YOU.split('،')[0], table.counts.map((n, seat) => fill(W.IDS_SEAT_COUNT, seatName(seat), cardCount(n)))]);
      const marks = await hand.locator('#hand-cards button').evaluateAll((b) => b.map((e) => [Number(e.dataset.code), e.ariaDisabled]));
      checkEq(`turn ${turns}: the cards the rules allow marked`, marks,
              table.hand.map((card) => [card, playable(card, table) ? 'false' : 'true']));
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
  check('a computer\'s turn said in sight', computerTurnSeen);

  // What was said: the table's words for the events of the trace, in order.
  const said = await page.evaluate(() => window.__said);
  check('the keys were tried', extraAt >= 0);
  checkEq('the lines zot-sim says of the trace, no more', said.length, told.length);
  const differing = told.map((line, i) => [line, said[i]]).filter(([line, text]) => line !== text);
  checkEq('every line said is the table\'s words for its event', differing.slice(0, 5), []);
});
