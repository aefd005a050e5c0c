#!/usr/bin/env node
// Writes the one-file page: the template with the menu and the dialog words of
// the resource script put in place, the style, the page's scripts, the module's
// JavaScript, its WebAssembly (the assets inside) and the help text.
//   make_page.js OUT TEMPLATE RC HEADER HELP MODULE_JS STYLE.css.. SCRIPT.js..
// The WebAssembly (MODULE_JS with .wasm for .js) goes in as a base64 data block
// that no script parser reads, where a base64 string inside the module's script
// had to be parsed as JavaScript first.
// In the template, {{menu}} is the menu bar, {{ID}} the caption of dialog ID,
// {{ID.N}} the text of its Nth control in the script's order and {{IDS_NAME}}
// a string of the string table. Every word a
// dialog of the page holds must be placed, and only once, or the build fails.
'use strict';
const fs = require('fs');
const rcWords = require('./rc_words.js');

const [out, templateFile, rcFile, headerFile, helpFile, moduleFile, ...assets] = process.argv.slice(2);
const styles = assets.filter((file) => file.endsWith('.css'));
const scripts = assets.filter((file) => file.endsWith('.js'));
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

const help = escapeHtml(fs.readFileSync(helpFile, 'utf8').trim());
// Inside a script element only "</script" could end it early.
const script = (file) => fs.readFileSync(file, 'utf8').replace(/<\/script/g, '<\\/script');
// The page's own words that are not in a dialog (notices, spoken phrases), and
// the colour names as the colour chooser gives them.
const colors = words.dialogs[169].controls.filter((control) => control.kind === 'radio').map((control) => control.text);
const pageWords = `const ZotWords = ${JSON.stringify({ ...words.strings, colors }).replace(/</g, '\\u003c')};\n`;

const parts = {
  '@ZOT_PAGE_CSS@': styles.map((file) => fs.readFileSync(file, 'utf8')).join('\n'),
  '@ZOT_HELP_TEXT@': help,
  '@ZOT_PAGE_JS@': pageWords + scripts.map(script).join('\n'),
  '@ZOT_MODULE_JS@': script(moduleFile),
  '@ZOT_WASM@': fs.readFileSync(moduleFile.replace(/\.js$/, '.wasm')).toString('base64'),
};
// Function replacements: the module's text may hold "$&" and the like.
page = page.replace(/@ZOT_(PAGE_CSS|HELP_TEXT|PAGE_JS|MODULE_JS|WASM)@/g, (marker) => parts[marker]);
fs.writeFileSync(out, page);
