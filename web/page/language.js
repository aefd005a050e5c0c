// The page in English or Arabic, switched at once without ending the match and
// remembered across visits. The template's words were filled in Arabic at build
// time; English comes packed (make_page.js) and is put in their place where
// they stand: each text and worded attribute of the menu bar and of each dialog
// by its [Arabic, English] pairs, the rest by the string table. The words the
// page's scripts look up (`strings`) change in place, and the module says
// everything after the switch in the language chosen.
import { strings } from 'zot-words';
import { unpackJson } from './load.js';

const kStored = 'zot-language';
const kAttributes = ['aria-label', 'data-label', 'data-idle-label', 'data-fold', 'data-unfold', 'aria-keyshortcuts',
  'data-letter', 'content'];
const arabic = { ...strings };
let english = null;   // the packed English, unpacked at the first switch to it
let places = null;    // [set(text), Arabic, English] for every word of the template
let current = 'ar';

// Every worded place of the document with its English: a text node's or an
// attribute's, looked up in the pairs of the dialog or menu bar it stands in.
function findPlaces() {
  const general = new Map(english.template.concat(Object.keys(english.strings).map((name) => [arabic[name], english.strings[name]])));
  const scoped = (element) => {
    const dialog = element.closest('.dialog');
    const pairs = dialog ? english.dialogs[dialog.id.replace('dialog-', '')] : element.closest('#menubar') && english.menu;
    return pairs ? new Map(pairs) : general;
  };
  const found = [];
  const walker = document.createTreeWalker(document.documentElement, NodeFilter.SHOW_TEXT);
  for (let node; (node = walker.nextNode());) {
    const text = node.data.trim();
    const translated = text && node.parentElement && scoped(node.parentElement).get(text);
    const [lead, trail] = node.data.split(text);
    if (translated) found.push([(value) => { node.data = lead + value + trail; }, text, translated]);
  }
  for (const element of document.querySelectorAll(kAttributes.map((name) => `[${name}]`).join())) {
    for (const name of kAttributes) {
      const text = element.getAttribute(name);
      const translated = text && scoped(element).get(text);
      if (translated) found.push([(value) => element.setAttribute(name, value), text, translated]);
    }
  }
  const help = document.querySelector('.help-text');
  found.push([(value) => { help.innerHTML = value; }, help.innerHTML, english.help]);
  return found;
}

export const languageOf = () => current;

// Switches to `language` ('en' or 'ar'); `tellModule(1 or 0)` has the module
// speak it. Resolves once the page reads in it.
export async function choose(language, tellModule) {
  if (language === current) return;
  if (!english) english = await unpackJson('zot-english-data');
  if (!places) places = findPlaces();
  current = language;
  const en = language === 'en';
  for (const [set, ar, translated] of places) set(en ? translated : ar);
  Object.assign(strings, en ? english.strings : arabic);
  document.documentElement.lang = language;
  document.documentElement.dir = en ? 'ltr' : 'rtl';
  document.title = strings.IDS_APP_NAME;
  const manifest = document.querySelector('link[rel="manifest"]');
  if (manifest) manifest.setAttribute('href', en ? 'manifest-en.webmanifest' : 'manifest.webmanifest');
  try {
    localStorage.setItem(kStored, language);
  } catch {
    // Storage refused: the choice holds for this visit.
  }
  // The moves said so far were in the other language: the log starts afresh.
  document.getElementById('moves')?.replaceChildren();
  tellModule(en ? 1 : 0);
}

// The language chosen on an earlier visit; storage holds anything, so only
// 'en' counts.
export function stored() {
  try {
    return localStorage.getItem(kStored) === 'en' ? 'en' : 'ar';
  } catch {
    return 'ar';
  }
}
