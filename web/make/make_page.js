#!/usr/bin/env node
// Writes the page twice from one template: the one-file page, which holds
// everything and opens from disk, and the site (make_site.js), whose page fetches
// the same parts as files of their own and which installs as an app.
//   make_page.js OUT SITE TEMPLATE RC HEADER HELP STYLE PAGE_MAIN MODULE_JS FACTS_JS RESOURCES WORKER
// The page's scripts import what they use: one another by path, and four
// modules the build writes by name: "zot-words" (the resource script's string
// table, colour names and accelerators, written here), "zot-facts" (the game's
// sizes, codes, keys, event names and entry points, written by facts.cpp),
// "zot-assets" (where each bitmap and sound goes in the module's files, written
// here) and "zot-module" (the module's JavaScript). esbuild bundles them; an
// import of a name nobody exports fails the build.
// The WebAssembly (MODULE_JS with .wasm for .js) and the bitmaps, sounds and
// the table's designs (RESOURCES/bitmaps, RESOURCES/sounds, RESOURCES/art)
// travel gzip-packed; the one-file page carries them, and its script, as
// base64 data blocks after what shows first, which no script parser reads, and
// the browser unpacks them (load.js, boot.js).
// In the template, {{menu}} is the menu bar, {{ID}} the caption of dialog ID,
// {{ID.N}} the text of its Nth control in the script's order and {{IDS_NAME}}
// a string of the string table. Every word a dialog of the page holds must be
// placed, and only once, or the build fails.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const rcWords = require('../../resources/rc/rc_words.js');
const menuHtml = require('./menu_html.js');
const { gzip, packFolders } = require('./pack.js');
const site = require('./make_site.js');
const { helpHtml } = require('./help_html.js');
const { withPolicy, hashOf } = require('./policy.js');

const [out, siteDir, templateFile, rcFile, headerFile, helpFile, styleFile, pageMain, moduleFile, factsFile, resources,
  workerFile] = process.argv.slice(2);
const words = rcWords.read(rcFile, headerFile, { page: true });
const header = fs.readFileSync(headerFile, 'utf8');
const defined = (name) => Number(header.match(new RegExp(`#define ${name} (\\d+)`))[1]);
const kEnglish = defined('ZOT_ENGLISH'), kMainMenu = defined('IDR_MAIN_MENU'), kLanguageCommand = defined('IDM_LANGUAGE');
// The language item, last on the settings menu, as Zot.exe adds it to its own.
for (const [menuId, table] of [[kMainMenu, words.strings], [kMainMenu + kEnglish, words.english]]) {
  words.menus[menuId][1].items.push({ separator: true }, { text: table.IDS_LANGUAGE_ITEM, id: kLanguageCommand, command: true });
}

const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

const used = new Map();
function placeWords(template) {
  return template.replace(/\{\{(menu|IDS_\w+|(\d+)(?:\.(\d+))?)\}\}/g, (whole, name, dialogId, index) => {
    if (name === 'menu') return menuHtml(words.menus[kMainMenu], escapeHtml);
    if (name.startsWith('IDS_')) {
      if (!(name in words.strings)) throw new Error(`make_page: no string ${name} in the resource script`);
      return escapeHtml(words.strings[name]);
    }
    const dialog = words.dialogs[dialogId];
    if (!dialog) throw new Error(`make_page: no dialog ${dialogId} in the resource script`);
    if (index === undefined) return escapeHtml(dialog.caption);
    const control = dialog.controls[Number(index) - 1];
    if (!control) throw new Error(`make_page: dialog ${dialogId} has no control ${index}`);
    const key = `${dialogId}.${index}`;
    if (used.has(key)) throw new Error(`make_page: ${key} placed twice`);
    used.set(key, true);
    return escapeHtml(control.text);
  });
}

// The strings the page's scripts look up by name; the template's are filled in
// here, and the module says the others.
const templateText = fs.readFileSync(templateFile, 'utf8');
const pageScripts = fs.readdirSync(path.dirname(pageMain)).filter((name) => name.endsWith('.js'))
  .map((name) => fs.readFileSync(path.join(path.dirname(pageMain), name), 'utf8'));
const inScripts = (name) => pageScripts.some((source) => new RegExp(`\\b${name}\\b`).test(source));
const shown = (table) => Object.fromEntries(Object.entries(table).filter(([name]) => inScripts(name)));
const template = placeWords(templateText);
// Every worded control of every dialog the page shows is on the page.
for (const [id, dialog] of Object.entries(words.dialogs)) {
  if (!template.includes(`id="dialog-${id}"`)) continue;
  dialog.controls.forEach((control, i) => {
    const worded = control.text !== '' && control.kind !== 'picture' && control.kind !== 'custom';
    if (worded && !used.has(`${id}.${i + 1}`)) throw new Error(`make_page: "${control.text}" (${id}.${i + 1}) is not placed`);
  });
}

// The page's own words that are not in a dialog (notices, spoken phrases), the
// colour names as the colour chooser gives them, and the keys of the menu's commands.
const built = path.dirname(out);
const colors = words.dialogs[169].controls.filter((control) => control.kind === 'radio').map((control) => control.text);
const wordsFile = path.join(built, 'zot_words.js');
fs.writeFileSync(wordsFile, `// Written at build time from resources/zot.rc: not to be edited.
export const strings = ${JSON.stringify(shown(words.strings))};
export const colors = ${JSON.stringify(colors)};
export const accelerators = ${JSON.stringify(words.accelerators)};
export const languageCommand = ${kLanguageCommand};
`);

// The English the page switches to, packed: the strings its scripts look up,
// the template's other words, those of the menu bar and those of each dialog
// as [Arabic, English] pairs (the menu titles' access letters too), the
// how-to-play text.
const pairsOf = (arabic, english) => [...new Map(arabic.map((text, i) => [text, english[i]]).filter(([a, e]) => a && a !== e))];
const menuTexts = (menu) => menu.flatMap((popup) => [popup.text.replace('&', ''), (popup.text.match(/&(.)/) || [])[1],
  `Alt+${(popup.text.match(/&(.)/) || [])[1]}`, ...popup.items.map((item) => item.text)]);
const dialogTexts = (dialog) => [dialog.caption, ...dialog.controls.map((control) => control.text)];
const englishPart = gzip(Buffer.from(JSON.stringify({
  strings: shown(words.english),
  template: pairsOf(...[words.strings, words.english].map((table) => [...templateText.matchAll(/\{\{(IDS_\w+)\}\}/g)]
    .map(([, name]) => name).filter((name) => !inScripts(name)).map((name) => table[name]))),
  menu: pairsOf(menuTexts(words.menus[kMainMenu]), menuTexts(words.menus[kMainMenu + kEnglish])),
  dialogs: Object.fromEntries(Object.keys(words.dialogs).filter((id) => words.dialogs[Number(id) + kEnglish])
    .map((id) => [id, pairsOf(dialogTexts(words.dialogs[id]), dialogTexts(words.dialogs[Number(id) + kEnglish]))])),
  help: helpHtml(fs.readFileSync(helpFile.replace(/_ar\.txt$/, '_en.txt'), 'utf8')),
})));

const assets = packFolders(resources, ['bitmaps', 'sounds', 'art']);
const assetsFile = path.join(built, 'zot_assets.js');
fs.writeFileSync(assetsFile, `// Written at build time from resources/: not to be edited.
export const files = ${JSON.stringify(assets.files)};
`);

const bundle = execFileSync('esbuild', [pageMain, '--bundle', '--format=esm', '--target=es2020', '--charset=utf8',
  '--minify', '--log-level=warning', '--log-override:import-is-undefined=error',
  `--alias:zot-words=${path.resolve(wordsFile)}`, `--alias:zot-facts=${path.resolve(factsFile)}`,
  `--alias:zot-assets=${path.resolve(assetsFile)}`, `--alias:zot-module=${path.resolve(moduleFile)}`],
{ encoding: 'utf8', maxBuffer: 64 << 20 });

// The style as small as it says the same: it travels in the page's head.
const style = execFileSync('esbuild', ['--loader=css', '--minify', '--log-level=warning'],
  { input: fs.readFileSync(styleFile, 'utf8'), encoding: 'utf8' }).trim();

// The felt's colour paints the table's place before the first frame, and is the
// app's theme; the frame's size is the canvas's.
const facts = fs.readFileSync(factsFile, 'utf8');
const fact = (name) => facts.match(new RegExp(`export const ${name} = '?([^';]+)'?;`))[1];
const felt = fact('kFeltColour');
const parts = {
  script: bundle,
  module: gzip(fs.readFileSync(moduleFile.replace(/\.js$/, '.wasm'))),
  assets: gzip(assets.bytes),
  english: englishPart,
};

// The template with its head and end of body for one of the two pages, under
// a policy that allows it what it loads besides its own inline script and style.
function page(head, bodyEnd, allowed) {
  const fill = { FELT: felt, FRAME_WIDTH: fact('kFrameWidth'), FRAME_HEIGHT: fact('kFrameHeight'),
    PAGE_CSS: style, HELP_TEXT: helpHtml(fs.readFileSync(helpFile, 'utf8')),
    HEAD: head, BODY_END: bodyEnd };
  // Function replacements: the module's text may hold "$&" and the like.
  return withPolicy(template.replace(/@ZOT_(FELT|FRAME_WIDTH|FRAME_HEIGHT|PAGE_CSS|HELP_TEXT|HEAD|BODY_END)@/g, (marker, name) => fill[name]), allowed);
}

const dataBlock = (id, bytes) => `<script type="application/octet-stream" id="${id}">${bytes.toString('base64')}</script>`;
// The page's script packed too, run by a few lines of its own (boot.js), which
// the policy allows by hash like the script it unpacks.
const boot = execFileSync('esbuild', [path.join(path.dirname(pageMain), 'boot.js'), '--minify', '--target=es2020',
  '--charset=utf8', '--log-level=warning'], { encoding: 'utf8' });
fs.writeFileSync(out, page('<link rel="icon" href="data:,">', [
  dataBlock('zot-module-data', parts.module),
  dataBlock('zot-assets-data', parts.assets),
  dataBlock('zot-english-data', parts.english),
  dataBlock('zot-script-data', gzip(Buffer.from(parts.script))),
  `<script type="module">${boot}</script>`,
].join('\n'), { 'img-src': ['data:'], 'script-src': [hashOf(parts.script)] }));

site.write(siteDir, parts, { page, words: words.strings, english: words.english, felt, icons: path.join(resources, 'icons'), worker: workerFile });
