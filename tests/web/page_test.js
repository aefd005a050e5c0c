#!/usr/bin/env node
// The one-file page in Debian's chromium, opened from disk with the calendar
// fixed: the idle table and the dealt tables equal the model's pictures pixel
// for pixel, two whole matches follow the simulator's plans through presses
// and dialog answers, every menu command and dialog behaves as on Windows, in
// Arabic and right to left, cues obey the sound setting, no timer runs while
// the table waits, and nothing is logged as an error.
//   page_test.js ZOT_HTML E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR
'use strict';
const { fs, path, pageFile, pageUrl, served, resources, check, checkEq, render, canvasRgb, differing, expectTable, openPage,
  state, press, pressKey, chooseMenu, chooseByKeys, confirmNewMatch, audit, marks, dialogTexts, waitDialog, words, planOf,
  errors, framed, run } = require('./page_lib.js');
const { execFileSync } = require('child_process');
const simTool = process.argv[7];

// Esc leaves an OK-only dialog open; OK closes it.
async function escapeThenOk(page, id, name) {
  await page.keyboard.press('Escape');
  await page.waitForTimeout(150);
  checkEq(`${name}: open after Esc`, (await state(page)).dialog, [`dialog-${id}`]);
  await page.click(`#dialog-${id} button[data-id="1"]`);
  await page.waitForSelector(`#dialog-${id}`, { state: 'hidden' });
}

// The six cues' lengths in ms (their files' samples over their rates).
const kCues = [691, 2518, 133, 201, 1935, 464];
const kErrorCue = 201;
// The cue a press started: decoded first, so it may start a moment later.
async function cueAfter(page, action) {
  const before = (await state(page)).cues;
  await action();
  await page.waitForFunction((n) => window.__zot.cues.length > n, before, { timeout: 3000 }).catch(() => {});
  return (await state(page)).lastCue;
}
const kCaptions = { 169: 'أختر اللون', 174: 'النتيجة', 177: 'النتيجة النهائيه', 178: 'مهـــزوم', 180: 'هذه الورقة ممكن لعبها' };

// Follows e2e_plan's script: presses, dialog answers, and the model's table
// whenever the human is to move and at the end.
async function playMatch(page, name, settings, menu) {
  const plan = planOf(settings);
  const model = (moves) => render(`${name}_${moves}`, [menu ? 'plan' : 'render', ...settings, '--moves', String(moves)]);
  let lastMoves = 0, firstTurn = true, keyDrawn = false;
  for (const [verb, a, b, c] of plan) {
    if (verb === 'start') await press(page, 300, 200);
    else if (verb === 'menu') await chooseMenu(page, a);
    else if (verb === 'click' && c === '-1' && !keyDrawn) {
      // The first draw by keyboard: D acts as a press on the pile.
      keyDrawn = true;
      await page.keyboard.press('d');
    } else if (verb === 'click') await press(page, Number(a), Number(b));
    else if (verb === 'table' || verb === 'over') {
      const moves = Number(a), picture = model(moves);
      // Computer moves come a little over a second apart.
      if (!await expectTable(page, `${name}: table after ${moves} moves`, picture, 10000 + 2000 * (moves - lastMoves))) break;
      lastMoves = moves;
      // The pacing disarms at its next tick, when it finds the human to move.
      const s = await page.waitForFunction(() => window.__zot.pending.size === 0, null, { timeout: 1500 })
        .then(() => state(page), () => state(page));
      check(`${name}: no timer while the table waits (${moves} moves)`, s.pending === 0 && s.frames === 0 && s.intervals === 0,
            JSON.stringify(s));
      if (verb === 'table' && firstTurn) {
        await audit(page, 'mid-deal');
        // A press that neither plays nor draws is refused with the error cue.
        firstTurn = false;
        checkEq(`${name}: refused press cue`, await cueAfter(page, () => press(page, 5, 5)), kErrorCue);
        checkEq(`${name}: refused press says why, in sight`, await page.$eval('#reply p:last-child',
          (e) => [e.checkVisibility(), e.textContent]), [true, words.strings.IDS_SAY_REFUSED_NOTHING]);
        await expectTable(page, `${name}: refused press leaves the table`, picture, 0);
      }
    } else if (verb === 'dialog') {
      const id = { color: 169, drawn: 180, score: 174, won: 177, lost: 178 }[a];
      await waitDialog(page, id);
      await audit(page, `in dialog ${id}`);
      const texts = await dialogTexts(page, id);
      checkEq(`${name}: ${a} dialog caption`, [texts.caption, texts.direction], [kCaptions[id], 'rtl']);
      if (a === 'color') {
        checkEq(`${name}: colour in force marked`, await page.$$eval('#dialog-169 input:checked', (r) => r.length), 1);
        await page.keyboard.press('Escape');
        await page.check(`#dialog-169 input[value="${b}"]`);
        await page.click('#dialog-169 button[data-id="1"]');
      } else if (a === 'drawn') {
        await page.click('#dialog-180 button[data-id="1"]');
      } else if (a === 'score') {
        const fields = await page.$$eval('#dialog-174 [data-field]', (f) => f.map((e) => `${e.dataset.id}=${e.textContent}`));
        const [p, s] = [b.split(','), c.split(',')];
        checkEq(`${name}: score fields`, fields.sort(), [`1011=${p[0]}`, `1012=${p[1]}`, `1013=${p[2]}`, `1014=${p[3]}`,
          `1015=${s[0]}`, `1016=${s[3]}`, `1017=${s[2]}`, `1018=${s[1]}`]);
        await escapeThenOk(page, id, `${name}: score dialog`);
      } else {
        await escapeThenOk(page, id, `${name}: ${a} dialog`);
      }
    }
  }
  const s = await state(page);
  checkEq(`${name}: no dialog at the end`, s.dialog, []);
  const cues = await page.evaluate(() => window.__zot.cues);
  check(`${name}: cues played, each one of the six`, cues.length > 3 &&
        cues.every((cue) => kCues.includes(cue)), JSON.stringify(cues));
  check(`${name}: the pacing ran on timers`, s.timeouts > 0);
}

// The menu and the dialogs' words as the resource script has them for the page.
const kMenus = words.menu.map((popup) => [popup.text.replace('&', ''),
  popup.items.map((item) => item.separator ? [0, ''] : [item.id, item.text])]);
kMenus[1][1].push([0, ''], [40030, 'English']);  // the language item, named in its language
const kStartMarks = words.menu.flatMap((popup) => popup.items.filter((item) => item.checked).map((item) => item.id));

// Each settings command and the marks after it, in the order chosen.
const kSettings = [
  [40014, [40014, 40017, 40023, 40018]], [40013, [40013, 40017, 40023, 40018]], [40015, [40013, 40015, 40023, 40018]],
  [40016, [40013, 40016, 40023, 40018]], [40024, [40013, 40016, 40024, 40018]], [40019, [40013, 40016, 40024, 40019]],
  [40017, [40013, 40017, 40024, 40019]], [40023, [40013, 40017, 40023, 40019]], [40018, [40013, 40017, 40023, 40018]],
  [40011, [40013, 40017, 40023, 40018]],
];

const kInfoDialogs = [
  [40008, 173, 'نبذه عن الزوت', 'لعبة الزوت الأصداره1.4', false],
  [40009, 175, 'نقاط الكروت', 'Wild Draw Four', false],
  [40022, 181, 'كيف تلعب الزوت', null, true],
];

// Stacking and saying Zot switched on in their dialog, then a deal played as the simulator's human plays it
// (the first card the hand allows, else the pile, which takes a total owed; Zot said before a play from two
// cards): the moves told are the simulator's words, and the page shows what the rules ask.
async function houseRulesMatch(browser) {
  const seed = 1767225655;
  const page = await openPage(browser, seed, { width: 1280, height: 720 }, { clock: true });
  await page.evaluate(() => {
    window.__told = [];
    new MutationObserver((changes) => changes.forEach((c) => c.addedNodes.forEach((n) => window.__told.push(n.textContent))))
      .observe(document.getElementById('moves'), { childList: true });
  });
  await chooseMenu(page, 40026);
  await waitDialog(page, 187);
  checkEq('house rules: named by its caption, all off', [await page.getByRole('dialog', { name: 'قواعد البيت' }).count(),
    await page.$$eval('#dialog-187 input:checked', (boxes) => boxes.length)], [1, 0]);
  await audit(page, 'in dialog 187');
  await page.getByRole('checkbox', { name: 'جمع أوراق السحب' }).check();
  await page.getByRole('checkbox', { name: 'قل زوت!' }).check();
  await page.click('#dialog-187 button[data-id="1"]');
  const zot = page.getByRole('button', { name: 'زوت!', exact: true });
  check('house rules: a match dealt, the Zot button in sight', await zot.isVisible());
  let owedSeen = false, zotByKey = false, badge = null;
  for (let steps = 0; steps < 400; ++steps) {
    const open = (await state(page)).dialog[0];
    if (open) {
      // The drawn-card question offers Zot while it may be said: said first, then the question again.
      const zotThere = await page.$(`#${open} [data-shown-by="zot"]:not([hidden])`);
      await page.click(zotThere ? `#${open} [data-shown-by="zot"]` : `#${open} button[data-id="1"]`);
      if (open === 'dialog-177' || open === 'dialog-178') break;
      continue;
    }
    const turn = await page.$eval('#status-turn', (e) => e.textContent);
    if (!turn.startsWith(words.strings.IDS_STATUS_TURN_YOU.split('،')[0])) {
      await page.clock.runFor(1100);
      continue;
    }
    const cards = await page.$$eval('#hand-cards .card', (all) => all.map((b) => b.getAttribute('aria-disabled') === 'false'));
    if (turn.endsWith('عليك سحب ورقتين أو الجمع.') && !owedSeen) {
      owedSeen = true;
      badge = await page.$eval('#piles .owed', (b) => (b.hidden ? 'hidden' : b.textContent));
    }
    // Said by the key and by the button in turn.
    if (cards.length === 2 && cards.includes(true)) await ((zotByKey = !zotByKey) ? page.keyboard.press('z') : zot.click());
    const index = cards.indexOf(true);
    await page.evaluate((i) => (i < 0 ? document.getElementById('draw-pile')
      : document.querySelectorAll('#hand-cards .card')[i]).click(), index);
  }
  check('house rules: owing two, the turn line says so', owedSeen);
  checkEq('house rules: owing two, the discard pile shows it', badge, '+2');
  const told = await page.evaluate(() => window.__told);
  const said = execFileSync(simTool, ['--seed', String(seed), '--players', '4', '--house', 'stack,say-zot', '--zot', 'say',
    '--words'], { encoding: 'utf8' }).trim().split('\n');
  checkEq('house rules: every move told as the simulator tells it', told, said);
  check('house rules: stacked, taken and Zot said', ['يجمع: عليك سحب ورقتين أو الجمع.', 'أخذت ورقتين وفقدت دورك.', 'قلتَ زوت!']
    .every((phrase) => told.some((line) => line.endsWith(phrase))), JSON.stringify(told));
  await page.close();
}

// A press on the table that no overlay can catch: the module must drop it itself.
function pressUnderDialog() {
  const table = document.getElementById('table'), box = table.getBoundingClientRect();
  table.dispatchEvent(new PointerEvent('pointerdown', { button: 0, bubbles: true, pointerType: 'mouse',
    clientX: box.x + box.width / 2, clientY: box.y + box.height / 2 }));
}

// The menu bar by keys as ARIA's menu bar pattern has it: [key, then the open
// menu (- none) and the focus]; a key the menu has no use for closes it and
// reaches the game (T says the top card, in the moves or the reply). Each menu open passes axe.
const kMenuKeys = [['Tab', '- title 0'], ['Enter', '0 item 40011'], ['ArrowDown', '0 item 40012'], ['ArrowDown', '0 item 40011'],
  ['ArrowLeft', '1 item 40013'], ['End', '1 item 40030'], ['ArrowUp', '1 item 40026'], ['ArrowRight', '0 item 40011'],
  ['Escape', '- title 0'], ['ArrowLeft', '- title 1'], ['ArrowDown', '1 item 40013'], ['Escape', '- title 1'],
  ['Escape', '- body'], ['Alt+ت', '2 item 40008'], ['Home', '2 item 40008'], ['t', '- body said']];
async function menuKeys(page) {
  const where = () => page.evaluate(() => {
    const open = Array.from(document.querySelectorAll('.menu-title')).findIndex((t) => t.getAttribute('aria-expanded') === 'true');
    const focus = document.activeElement, said = document.querySelectorAll('#moves > *, #reply > *').length > window.__saidBefore;
    return `${open < 0 ? '-' : open} ${focus.classList.contains('menu-title') ? 'title ' + focus.id.slice(-1)
      : focus.dataset.command ? 'item ' + focus.dataset.command : focus.localName}${said ? ' said' : ''}`;
  });
  await page.evaluate(() => { window.__saidBefore = document.querySelectorAll('#moves > *, #reply > *').length; });
  const got = [];
  for (const [key] of kMenuKeys) {
    await pressKey(page, key);
    got.push([key, await where()]);
  }
  checkEq('menu bar by keys', got, kMenuKeys);
  for (const popup of words.menu) {
    await pressKey(page, 'Alt+' + popup.text.match(/&(.)/)[1]);
    await audit(page, `with menu ${popup.text} open`);
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
  }
  // The shortcuts as the page writes them and as the accessibility tree holds
  // them (Chromium's protocol hands any non-ASCII shortcut over as its UTF-8
  // bytes read as Latin-1, "Alt+é" as "Alt+Ã©": read back here).
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const tree = nodes.filter((n) => n.role.value === 'menuitem').map((n) => (n.properties.find((p) => p.name === 'keyshortcuts') || {}).value)
    .filter(Boolean).map((value) => Buffer.from(value.value, 'latin1').toString('utf8'));
  const written = await page.$$eval('.menu-title', (titles) => titles.map((t) => t.getAttribute('aria-keyshortcuts')));
  const shortcuts = words.menu.map((popup) => 'Alt+' + popup.text.match(/&(.)/)[1]);
  checkEq('menu titles\' shortcuts, written and in the tree', [written, tree], [shortcuts, shortcuts]);
  await cdp.detach();
}

async function menuAndDialogs(page, seed) {
  const menus = await page.$$eval('.menu', (all) => all.map((m) => [m.querySelector('.menu-title').textContent,
    Array.from(m.querySelectorAll('li')).map((li) => [Number(li.dataset.command || 0), li.textContent])]));
  checkEq('menu: titles, items and order', menus, kMenus);
  checkEq('menu: marks at start', await marks(page), kStartMarks);
  // Every dialog holds the words the resource script gives it, and nothing else.
  for (const [id, dialog] of Object.entries(words.dialogs).filter(([id]) => id < 1000)) {
    const want = dialog.controls.filter((c) => c.text !== '' && c.kind !== 'picture' && c.kind !== 'custom')
      .map((c) => c.text.trim()).sort();
    const got = await page.$eval(`#dialog-${id}`, (d) => [d.querySelector('.caption').firstChild.textContent,
      Array.from(d.querySelectorAll('.body:not(.help-text) p, .body th, .body td:not(:empty), .body legend, .body label, button[data-answer]:not(.close-box):not([data-shown-by])'))
        .map((e) => e.textContent.trim()).filter((text) => text !== '').sort()]);
    checkEq(`dialog ${id}: the resource script's words`, got, [dialog.caption, want]);
  }
  const [lang, dir, fileBox, helpBox] = await page.evaluate(() => [document.documentElement.lang,
    getComputedStyle(document.getElementById('menubar')).direction,
    document.querySelectorAll('.menu-title')[0].getBoundingClientRect().x,
    document.querySelectorAll('.menu-title')[2].getBoundingClientRect().x]);
  check('page: Arabic, right to left, first menu rightmost', lang === 'ar' && dir === 'rtl' && fileBox > helpBox);

  await audit(page, 'at idle');
  await menuKeys(page);
  // Every command from here on by keys alone. Sound off: a refused press is
  // silent; sound on again: it sounds.
  await chooseByKeys(page, 40014);
  const help = fs.readFileSync(path.join(resources, 'help_ar.txt'), 'utf8').trim();
  for (const [command, id, caption, text, escCloses] of kInfoDialogs) {
    await chooseByKeys(page, command);
    await waitDialog(page, id);
    await audit(page, `in dialog ${id}`);
    const got = await dialogTexts(page, id);
    checkEq(`dialog ${id}: named by its caption alone`, await page.getByRole('dialog', { name: caption, exact: true }).count(), 1);
    check(`dialog ${id}: caption, text, right to left`, got.caption === caption && got.direction === 'rtl' &&
          got.buttons.includes('موافق') && (text === null || got.texts.includes(text)), JSON.stringify(got));
    // Modal: the table and the menu do nothing while the dialog is open, not
    // even a press on the idle table, which starts a match once it is closed.
    const before = await canvasRgb(page);
    await page.evaluate(pressUnderDialog);
    await page.evaluate(() => document.querySelector('li[data-command="40011"]').click());
    await page.waitForTimeout(1200);
    checkEq(`dialog ${id}: table untouched while open`, differing(await canvasRgb(page), before), 0);
    if (escCloses) {
      // Every line of the text after its title, in order; each block's first line a heading.
      const lines = help.split('\n').map((line) => line.trim()).filter((line) => line !== '').slice(1);
      const shown = await page.$$eval(`#dialog-${id} .help-text > *`, (all) => all.map((e) => [e.tagName, e.textContent]));
      checkEq(`dialog ${id}: help text`, shown.map(([, text]) => text), lines);
      check(`dialog ${id}: help headings`, shown.filter(([tag]) => tag === 'H3').length >= 10, JSON.stringify(shown.slice(0, 3)));
      await page.keyboard.press('Escape');
      await page.waitForSelector(`#dialog-${id}`, { state: 'hidden' });
    } else {
      await escapeThenOk(page, id, `dialog ${id}`);
    }
  }

  // The press the dialogs held back deals the match once none is open.
  await page.evaluate(pressUnderDialog);
  const dealt = render('menu_deal', ['render', '--seed', String(seed), '--players', '4', '--moves', '0']);
  await expectTable(page, 'a press deals the model\'s table', dealt, 2000);
  // An arrow key shows the selection round the first card; a press hides it.
  await page.keyboard.press('ArrowRight');
  const outline = await page.evaluate(() => Array.from(
    document.getElementById('table').getContext('2d').getImageData(207, 247, 1, 1).data));
  checkEq('keys: selection outline on the first card', outline, [255, 255, 255, 255]);
  await press(page, 5, 5);
  await expectTable(page, 'keys: a press hides the selection', dealt, 2000);
  checkEq('sound off: no cue', (await state(page)).cues, 0);
  await chooseByKeys(page, 40013);
  checkEq('sound on: the error cue', await cueAfter(page, () => press(page, 5, 5)), kErrorCue);
  // The drawn card is playable here: Esc answers no, so it stays in the hand
  // and the table is not the model's, where it was played.
  await page.keyboard.press('d');
  await waitDialog(page, 180);
  // The question shows the card it asks about, names it, and says what each answer does.
  const drawn = await page.evaluate(() => {
    const dialog = document.getElementById('dialog-180'), card = dialog.querySelector('canvas.drawn-card');
    const pixels = card.getContext('2d').getImageData(0, 0, card.width, card.height).data;
    const described = (button) => document.getElementById(button.getAttribute('aria-describedby')).textContent;
    return [pixels.some((v, i) => i % 4 !== 3 && v !== 0), dialog.querySelector('[data-id="drawn"]').textContent,
      Array.from(dialog.querySelectorAll('button[data-answer]:not([hidden])'), described)];
  });
  const drawnName = (await page.$$eval('#hand-cards .card', (c) => c.map((e) => e.getAttribute('aria-label')))).pop();
  const say = (id, ...values) => words.strings[id].replace(/%(\d)/g, (_, n) => values[n - 1]);
  checkEq('drawn card: shown, named, each answer said', drawn,
          [true, say('IDS_DRAWN_CARD', drawnName), [say('IDS_DRAWN_PLAY', drawnName), words.strings.IDS_DRAWN_KEEP]]);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#dialog-180', { state: 'hidden', timeout: 1000 });
  const played = render('menu_played', ['render', '--seed', String(seed), '--players', '4', '--moves', '1']);
  check('drawn card: Esc keeps it', differing(await canvasRgb(page), played) > 0);

  // Mid-match a new match asks first: no (Esc, or the button) changes nothing,
  // the table, the marks and the record; yes starts it, and the match left
  // counts as played once, as it did.
  const statistics = async () => {
    await chooseMenu(page, 40025);
    const fields = await page.$$eval('#dialog-184 [data-field]', (f) => f.map((e) => Number(e.textContent)));
    await page.click('#dialog-184 button[data-id="1"]');
    return fields;
  };
  // The computers' moves done, so that only the question could change the table.
  await page.waitForFunction(() => window.__zot.pending.size === 0);
  const [before, recordBefore] = [await canvasRgb(page), await statistics()];
  await page.keyboard.press('F2');
  await page.keyboard.press('Escape');
  await page.click('.menu:has(li[data-command="40015"]) .menu-title');
  await page.click('li[data-command="40015"]');
  await page.click('#dialog-186 button[data-id="2"]');
  checkEq('new match, answered no: table, marks and record as they were',
          [differing(await canvasRgb(page), before), await marks(page), await statistics()], [0, kStartMarks, recordBefore]);
  await page.keyboard.press('F2');
  await waitDialog(page, 186);
  await page.click('#dialog-186 button[data-id="1"]');
  const record = await statistics();
  check('new match, answered yes: dealt anew, the match left counted once',
        differing(await canvasRgb(page), before) > 0 && record[12] === 1 && record[12] === recordBefore[12], JSON.stringify(record));

  for (const [id, want] of kSettings) {
    await chooseByKeys(page, id);
    checkEq(`menu ${id}: marks`, await marks(page), want);
  }

  // The statistics and their reset question, by keys too.
  await chooseByKeys(page, 40025);
  await waitDialog(page, 184);
  await audit(page, 'in dialog 184');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  await waitDialog(page, 185);
  await audit(page, 'in dialog 185');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Enter');
  checkEq('statistics by keys: answered and closed', (await state(page)).dialog, []);

  // Exit: the table goes and nothing runs on; the way back, which has the
  // focus, brings the table as it was left, and it plays on.
  const left = await canvasRgb(page);
  await chooseByKeys(page, 40012);
  const [closed, visible, back] = await page.evaluate(() => [document.body.classList.contains('closed'),
    document.getElementById('table').checkVisibility(), document.activeElement.id]);
  const s = await state(page);
  check('exit: table gone, no timer', closed && !visible && s.pending === 0, JSON.stringify(s));
  checkEq('exit: the way back has the focus', back, 'back-to-table');
  await page.keyboard.press('Enter');
  await expectTable(page, 'exit: back to the table as it was left', left, 2000);
  check('exit: back, the table in sight', await page.$eval('#table', (c) => c.checkVisibility()));
  await page.keyboard.press('F2');
  await confirmNewMatch(page);
  check('exit: back, the table plays on', differing(await canvasRgb(page), left) > 0);
}

// English mid-match and back: the match goes on, the page reads left to right
// with no Arabic word in sight or in the accessibility tree, and the choice
// outlives a reload; then Arabic as before.
async function languages(page) {
  await press(page, 300, 200);
  await page.waitForSelector('#hand-cards button');
  const hand = () => page.$$eval('#hand-cards button', (b) => b.map((e) => e.dataset.code).join());
  const dealt = await hand();
  const reading = async () => [await page.evaluate(() => [document.documentElement.lang, document.documentElement.dir,
    document.title, document.querySelector('li[data-command="40030"]').textContent,
    document.querySelector('link[rel="manifest"]')?.getAttribute('href') ?? '']), await hand(),
  ((await page.evaluate(() => document.body.innerText)) + await page.locator('body').ariaSnapshot()).match(/[\u0600-\u06ff]+/g)];
  await chooseMenu(page, 40030);
  await page.waitForFunction(() => document.documentElement.lang === 'en');
  await page.waitForFunction(() => !/[\u0600-\u06ff]/.test(document.getElementById('status').innerText));
  const manifest = (name) => (served ? name : '');  // the one file has none
  const english = ['en', 'ltr', 'Zot card game', 'العربية', manifest('manifest-en.webmanifest')];
  checkEq('English: the match goes on, left to right, nothing Arabic', await reading(), [english, dealt, null]);
  await page.reload();
  await framed(page);
  await page.waitForFunction(() => !/[\u0600-\u06ff]/.test(document.getElementById('status').innerText));
  checkEq('English: kept across visits', await reading(), [english, dealt, null]);
  await chooseMenu(page, 40030);
  await page.waitForFunction(() => document.documentElement.lang === 'ar');
  const [arabic, hand2] = await reading();
  checkEq('Arabic again, the match going on', [arabic, hand2],
          [['ar', 'rtl', 'لعبة الزوت', 'English', manifest('manifest.webmanifest')], dealt]);
}

run('browser tests', async (browser) => {
  // The one file whole; of the site, the page that comes first.
  const size = fs.statSync(served ? path.join(pageFile, 'index.html') : pageFile).size;
  check('page at most 300 KB, or the site\'s first 48 KB', size <= (served ? 48 : 300) * 1000, `${size} bytes`);

  // The first frame, on the real clock: the page marks it.
  let page = await browser.newPage();
  await page.goto(pageUrl());
  await page.waitForFunction(() => performance.getEntriesByName('zot-first-frame').length > 0);
  const firstFrame = await page.evaluate(() => performance.getEntriesByName('zot-first-frame')[0].startTime);
  console.log(`page ${size} bytes, first frame ${Math.round(firstFrame)} ms after navigation`);
  check('first frame within a second', firstFrame < 1000, `${firstFrame} ms`);
  await page.close();

  // A browser that cannot unpack what the page carries: said, no longer busy (its console error is the one expected).
  page = await browser.newPage();
  await page.addInitScript(() => { delete window.DecompressionStream; });
  await page.goto(pageUrl());
  await framed(page);
  checkEq('nothing unpacks: said', await page.$eval('#notice-text', (notice) => notice.textContent), words.strings.IDS_MODULE_MISSING);
  await page.close();

  // Menu and dialogs, at a window that fits the table once; at this second
  // the human draws a playable card on the first turn.
  page = await openPage(browser, 1767225624, { width: 1280, height: 720 });
  await expectTable(page, 'idle table', render('idle', ['render', '--idle', '--players', '4']), 0);
  await page.waitForTimeout(1000);
  const idle = await state(page);
  check('idle: no timer, interval or animation frame', idle.pending + idle.timeouts + idle.intervals + idle.frames === 0,
        JSON.stringify(idle));
  // The page's policy: strict, and in force: a script put in by another does not run, and is reported.
  const before = errors.length;
  const [policy, injected] = await page.evaluate(() => {
    document.body.append(Object.assign(document.createElement('script'), { textContent: 'window.injected = true' }));
    return [document.querySelector('meta[http-equiv="Content-Security-Policy"]')?.content ?? '', 'injected' in window];
  });
  await page.waitForTimeout(100);
  const strict = ['default-src', 'object-src', 'base-uri'].every((d) => policy.includes(`${d} 'none'`)) && !/'unsafe-/.test(policy);
  checkEq('a strict policy, in force', [strict, injected, errors.splice(before).filter((e) => e.includes('policy blocked')).length],
          [true, false, 1]);
  await menuAndDialogs(page, 1767225624);
  await page.close();
  page = await openPage(browser, 1767225624, { width: 1280, height: 720 });
  await languages(page);
  await page.close();

  const seed = 1767225620;

  // The default match, at a window that fits the table twice over.
  page = await openPage(browser, seed, { width: 1400, height: 900 });
  checkEq('table scaled by whole multiples', await page.$eval('#table', (c) => [c.width, c.height, c.style.width, c.style.height]),
          [600, 400, '1200px', '800px']);
  await playMatch(page, 'match', ['--seed', String(seed), '--players', '4', '--rules', 'standard', '--length', 'one-deal']);
  await page.close();

  await houseRulesMatch(browser);

  // Two players and draw-until-playable from the menu, a match the human loses.
  const menuSeed = 1767226053;
  page = await openPage(browser, menuSeed, { width: 1280, height: 720 });
  await playMatch(page, 'menu match', ['--seed', String(menuSeed), '--menu', '40015,40024'], true);
  await page.close();
});
