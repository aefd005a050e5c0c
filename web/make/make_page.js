#!/usr/bin/env node
// Writes the one-file page: the template with the menu and the dialog words of
// the resource script put in place, the style, the page's scripts bundled with
// the module's JavaScript as one ES module, its WebAssembly (the assets inside)
// and the help text.
//   make_page.js OUT TEMPLATE RC HEADER HELP STYLE PAGE_MAIN MODULE_JS FACTS_JS
// The page's scripts import what they use: one another by path, and three
// modules the build writes by name: "zot-words" (the resource script's string
// table, colour names and accelerators, written here), "zot-facts" (the game's
// sizes, codes, keys, event names and entry points, written by facts.cpp) and
// "zot-module" (the module's JavaScript). esbuild bundles them; an import of a
// name nobody exports fails the build.
// The WebAssembly (MODULE_JS with .wasm for .js) goes in as a base64 data block
// that no script parser reads, where a base64 string inside the module's script
// had to be parsed as JavaScript first.
// In the template, {{menu}} is the menu bar, {{ID}} the caption of dialog ID,
// {{ID.N}} the text of its Nth control in the script's order and {{IDS_NAME}}
// a string of the string table. Every word a dialog of the page holds must be
// placed, and only once, or the build fails.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const rcWords = require('../../tools/rc/rc_words.js');

const [out, templateFile, rcFile, headerFile, helpFile, styleFile, pageMain, moduleFile, factsFile] = process.argv.slice(2);
const words = rcWords.read(rcFile, headerFile, { page: true });

const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// A popup that carries check marks holds settings: its items are radio items.
function menuHtml() {
  return words.menu.map((popup) => {
    const [mnemonic] = popup.text.match(/&(.)/) ? [popup.text.match(/&(.)/)[1]] : [''];
    const title = popup.text.replace('&', '');
    const settings = popup.items.some((item) => item.checked);
    const items = popup.items.map((item) => item.separator ? '    <li role="separator"></li>'
      : settings ? `    <li role="menuitemradio" data-command="${item.id}" aria-checked="${item.checked}">${escapeHtml(item.text)}</li>`
        : `    <li role="menuitem" data-command="${item.id}">${escapeHtml(item.text)}</li>`);
    return `<div class="menu">
  <button class="menu-title" accesskey="${escapeHtml(mnemonic)}" aria-haspopup="menu" aria-expanded="false">${escapeHtml(title)}</button>
  <ul class="menu-items" role="menu" hidden>
${items.join('\n')}
  </ul>
</div>`;
  }).join('\n');
}

const used = new Map();
function placeWords(template) {
  return template.replace(/\{\{(menu|IDS_\w+|(\d+)(?:\.(\d+))?)\}\}/g, (whole, name, dialogId, index) => {
    if (name === 'menu') return menuHtml();
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

let page = placeWords(fs.readFileSync(templateFile, 'utf8'));
// Every worded control of every dialog the page shows is on the page.
for (const [id, dialog] of Object.entries(words.dialogs)) {
  if (!page.includes(`id="dialog-${id}"`)) continue;
  dialog.controls.forEach((control, i) => {
    const worded = control.text !== '' && control.kind !== 'picture' && control.kind !== 'custom';
    if (worded && !used.has(`${id}.${i + 1}`)) throw new Error(`make_page: "${control.text}" (${id}.${i + 1}) is not placed`);
  });
}

// The page's own words that are not in a dialog (notices, spoken phrases), the
// colour names as the colour chooser gives them, and the keys of the menu's commands.
const colors = words.dialogs[169].controls.filter((control) => control.kind === 'radio').map((control) => control.text);
const wordsFile = path.join(path.dirname(out), 'zot_words.js');
fs.writeFileSync(wordsFile, `// Written at build time from resources/zot.rc: not to be edited.
export const strings = ${JSON.stringify(words.strings)};
export const colors = ${JSON.stringify(colors)};
export const accelerators = ${JSON.stringify(words.accelerators)};
`);

const bundle = execFileSync('esbuild', [pageMain, '--bundle', '--format=esm', '--target=es2020', '--charset=utf8',
  '--log-level=warning', '--log-override:import-is-undefined=error',
  `--alias:zot-words=${path.resolve(wordsFile)}`, `--alias:zot-facts=${path.resolve(factsFile)}`,
  `--alias:zot-module=${path.resolve(moduleFile)}`], { encoding: 'utf8', maxBuffer: 64 << 20 });

const help = require('./help_html.js').helpHtml(fs.readFileSync(helpFile, 'utf8'));
const parts = {
  '@ZOT_PAGE_CSS@': fs.readFileSync(styleFile, 'utf8'),
  '@ZOT_HELP_TEXT@': help,
  // Inside a script element only "</script" could end it early.
  '@ZOT_PAGE_JS@': bundle.replace(/<\/script/g, '<\\/script'),
  '@ZOT_WASM@': fs.readFileSync(moduleFile.replace(/\.js$/, '.wasm')).toString('base64'),
};
// Function replacements: the module's text may hold "$&" and the like.
page = page.replace(/@ZOT_(PAGE_CSS|HELP_TEXT|PAGE_JS|WASM)@/g, (marker) => parts[marker]);
fs.writeFileSync(out, page);
