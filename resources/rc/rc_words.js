// The words of the resource script, for the page: the menus, the dialogs, the
// string table in Arabic (strings) and English (english, by the Arabic twin's
// name; see ZOT_ENGLISH in resource.h) and the accelerators of resources/zot.rc, with the numbers of
// resources/resource.h.
// The Windows program compiles the same script, so the two programs show the
// same words by construction. Blocks under `#ifdef ZOT_PAGE` are the page's own
// (the Windows compiler never defines it); `#ifndef ZOT_PAGE` ones are Windows'.
//   const words = require('./rc_words.js').read(rcPath, headerPath, { page: true });
'use strict';
const fs = require('fs');

// The few system numbers the script uses.
const kSystemIds = { IDOK: 1, IDCANCEL: 2, IDC_STATIC: -1 };

function readDefines(headerText) {
  const defines = Object.assign({}, kSystemIds);
  for (const match of headerText.matchAll(/^#define\s+(\w+)\s+(-?\d+)\s*$/gm)) defines[match[1]] = Number(match[2]);
  return defines;
}

// Keeps the lines that the preprocessor would keep with `defined` set.
function preprocess(text, defined) {
  const kept = [], stack = [];
  const active = () => stack.every((s) => s);
  for (const line of text.split(/\r?\n/)) {
    const directive = line.match(/^\s*#\s*(ifdef|ifndef|else|endif)\b\s*(\w*)/);
    // #include and #pragma matter to the compiler only.
    if (!directive && /^\s*#/.test(line)) {
      kept.push('');
      continue;
    }
    if (!directive) {
      kept.push(active() ? line : '');
      continue;
    }
    const [, word, name] = directive;
    if (word === 'ifdef') stack.push(defined.has(name));
    else if (word === 'ifndef') stack.push(!defined.has(name));
    else if (word === 'else') stack.push(!stack.pop());
    else stack.pop();
    kept.push('');
  }
  if (stack.length !== 0) throw new Error('rc_words: unbalanced #ifdef');
  return kept.join('\n');
}

// Strings ("" is a quote inside one), numbers, words, punctuation; no comments.
function tokenize(text) {
  const tokens = [];
  const pattern = /\/\/[^\n]*|\/\*[\s\S]*?\*\/|"((?:[^"]|"")*)"|(-?0x[0-9a-fA-F]+|-?\d+)|([A-Za-z_#][\w.]*)|([,|()\-+])|\s+/gy;
  let match;
  while (pattern.lastIndex < text.length && (match = pattern.exec(text)) !== null) {
    if (match[1] !== undefined) tokens.push({ string: match[1].replace(/""/g, '"') });
    else if (match[2] !== undefined) tokens.push({ number: Number(match[2]) });
    else if (match[3] !== undefined) tokens.push({ word: match[3] });
    else if (match[4] !== undefined) tokens.push({ punct: match[4] });
  }
  if (pattern.lastIndex < text.length) throw new Error('rc_words: cannot read ' + text.slice(pattern.lastIndex, pattern.lastIndex + 40));
  return tokens;
}

function parse(text, defines) {
  const tokens = tokenize(text);
  let at = 0;
  const peek = () => tokens[at];
  const next = () => tokens[at++];
  const isWord = (token, word) => token && token.word === word;
  const value = (token) => {
    if (token.number !== undefined) return token.number;
    if (token.word !== undefined && token.word in defines) return defines[token.word];
    throw new Error('rc_words: unknown number ' + JSON.stringify(token));
  };
  // Skips to the END that closes the BEGIN at `at`, nested blocks included.
  const skipBlock = () => {
    let depth = 0;
    do {
      const token = next();
      if (isWord(token, 'BEGIN')) ++depth;
      else if (isWord(token, 'END')) --depth;
    } while (depth > 0);
  };
  // Names (or numbers) joined by "|", as in STYLE lines and a control's style.
  const flags = () => {
    const names = [];
    for (;;) {
      const token = next();
      names.push(token.word !== undefined ? token.word : token.number);
      if (!peek() || peek().punct !== '|') return names;
      next();
    }
  };

  // A number, or two added ("IDS_TABLE + ZOT_ENGLISH"): the English twin's.
  const idOf = (token) => {
    let id = value(token);
    while (peek() && peek().punct === '+') {
      next();
      id += value(next());
    }
    return id;
  };

  const words = { menu: null, menus: {}, dialogs: {}, strings: {}, english: {}, accelerators: [] };
  const stringNumbers = new Map();
  const byNumber = Object.fromEntries(Object.entries(defines).map(([name, number]) => [number, name]));

  function menu() {
    const popups = [];
    const items = (into) => {
      if (!isWord(next(), 'BEGIN')) throw new Error('rc_words: BEGIN expected in the menu');
      while (!isWord(peek(), 'END')) {
        const kind = next().word;
        if (kind === 'POPUP') {
          const popup = { text: next().string, items: [] };
          items(popup.items);
          into.push(popup);
        } else if (kind === 'MENUITEM' && isWord(peek(), 'SEPARATOR')) {
          next();
          into.push({ separator: true });
        } else if (kind === 'MENUITEM') {
          const item = { text: next().string, id: (next(), value(next())), checked: false };
          while (peek() && peek().punct === ',') {
            next();
            if (isWord(next(), 'CHECKED')) item.checked = true;
          }
          into.push(item);
        } else {
          throw new Error('rc_words: unknown menu line ' + kind);
        }
      }
      next();
    };
    items(popups);
    return popups;
  }

  // A dialog's caption and its controls' texts and kinds, in the script's order.
  function dialog(id) {
    const result = { caption: '', controls: [] };
    while (!isWord(peek(), 'BEGIN')) {
      if (isWord(next(), 'CAPTION')) result.caption = next().string;
    }
    next();
    while (!isWord(peek(), 'END')) {
      if (!isWord(next(), 'CONTROL')) throw new Error('rc_words: CONTROL expected in dialog ' + id);
      const text = next().string;
      next();
      value(next());  // the control's id
      next();
      const className = next().number;
      next();
      const style = flags();
      for (let i = 0; i < 4; ++i) {  // where it stands
        next();
        value(next());
      }
      const kind = style.includes('BS_DEFPUSHBUTTON') ? 'default'
        : style.includes('BS_PUSHBUTTON') ? 'button'
        : style.includes('BS_AUTORADIOBUTTON') ? 'radio'
        : style.includes('BS_AUTOCHECKBOX') ? 'checkbox'
        : style.includes('BS_GROUPBOX') ? 'group'
        : style.includes('SS_BITMAP') ? 'picture'
        : className === 0x82 ? 'text' : 'custom';
      result.controls.push({ text, kind });
    }
    next();
    return result;
  }

  // Each accelerator's key and command: "VK_F2, IDM_NEW_GAME, VIRTKEY" is F2.
  function accelerators() {
    const keys = [];
    while (!isWord(next(), 'BEGIN'));
    while (!isWord(peek(), 'END')) {
      const key = next().word.replace(/^VK_/, '');
      next();
      const command = value(next());
      while (peek().punct === ',') {
        next();
        next();
      }
      keys.push({ key, command });
    }
    next();
    return keys;
  }

  while (at < tokens.length) {
    const token = next();
    if (isWord(token, 'STRINGTABLE')) {
      while (!isWord(peek(), 'BEGIN')) next();
      next();
      while (!isWord(peek(), 'END')) {
        const token = next();
        const id = idOf(token);
        if (peek().punct === ',') next();
        // Strings are found by number, so a number given twice would show one
        // string's words in the other's place: the build stops instead.
        const english = id >= defines.IDS_TABLE + defines.ZOT_ENGLISH;
        const name = byNumber[english ? id - defines.ZOT_ENGLISH : id];
        if (!name) throw new Error('rc_words: string ' + id + ' has no name in the header');
        if (stringNumbers.has(id)) {
          throw new Error('rc_words: ' + name + ' and ' + stringNumbers.get(id) + ' are both string ' + id);
        }
        stringNumbers.set(id, name);
        (english ? words.english : words.strings)[name] = next().string;
      }
      next();
      continue;
    }
    const named = token.word !== undefined && token.word in defines;
    const id = named ? idOf(token) : 0;
    const type = peek();
    if (isWord(type, 'ACCELERATORS') && token.word) {
      next();
      words.accelerators = accelerators();
    } else if (isWord(type, 'MENU') && named) {
      next();
      words.menus[id] = menu();
      if (id === defines.IDR_MAIN_MENU) words.menu = words.menus[id];
    } else if ((isWord(type, 'DIALOG') || isWord(type, 'DIALOGEX')) && named) {
      next();
      words.dialogs[id] = dialog(id);
    } else if (isWord(token, 'BEGIN')) {
      --at;
      skipBlock();
    }
  }
  return words;
}

// The words as a program sees them: the page with `{ page: true }`.
function read(rcPath, headerPath, options = {}) {
  const defines = readDefines(fs.readFileSync(headerPath, 'utf8'));
  const defined = new Set(options.page ? ['ZOT_PAGE'] : []);
  return parse(preprocess(fs.readFileSync(rcPath, 'utf8'), defined), defines);
}

module.exports = { read };
