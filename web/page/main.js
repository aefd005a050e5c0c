// The page around the module: it enters the module one call at a time, runs the
// pacing timer and binds the frame, the menu, the dialogs, the hand, the words,
// the sound and the store. While a dialog holds the module suspended, presses,
// keys and menu commands are dropped, as a modal dialog disables the Windows
// program's main window.
import createModule from 'zot-module';
import * as facts from 'zot-facts';
import { languageCommand, strings } from 'zot-words';
import * as dialogs from './dialogs.js';
import * as frame from './frame.js';
import * as hand from './hand.js';
import * as input from './input.js';
import * as language from './language.js';
import * as layout from './layout.js';
import { compileModule, unpackAssets, writeAssets } from './load.js';
import * as menu from './menu.js';
import * as site from './site.js';
import * as sound from './sound.js';
import * as store from './store.js';
import * as felt from './table.js';
import * as view from './view.js';

let module = null, notice = null;
let ready = false, busy = false, closed = false, saveRefusalSaid = false;
let pacingTimer = null;
const pictures = new Map();

// --- calls into the module ---------------------------------------------

// An entry point that returns at once, as facts describes it: [name, result, arguments].
const query = ([name, result, types], ...args) => module.ccall(name, result, types, args);

// An entry point that may open a dialog and so suspend the module. False when
// the call was dropped. A call that throws, at once or later, is reported and
// leaves the page answering.
function enter([name, result, types], ...args) {
  if (!ready || busy || closed || store.isInactive()) return false;
  busy = true;
  // No computer move while a call, and any dialog it opens, is under way.
  clearPacing();
  let done;
  try {
    done = Promise.resolve(module.ccall(name, result, types, args, { async: true }));
  } catch (error) {
    done = Promise.reject(error);
  }
  done.catch((error) => console.error('Zot: ' + name + ' failed: ' + (error && error.stack || error)))
    .finally(afterCall);
  return true;
}

// Between moves: the marks, the save, the next computer move.
function afterCall() {
  busy = false;
  if (closed) return;
  menu.showMarks();
  if (!store.save(query(facts.zot_save)) && !saveRefusalSaid) {
    saveRefusalSaid = true;
    showNotice(strings.IDS_SAVE_REFUSED, null);
  }
  schedulePacing();
}

function clearPacing() {
  if (pacingTimer !== null) clearTimeout(pacingTimer);
  pacingTimer = null;
}

// One timer to the pacing deadline, none while the table waits for the human.
function schedulePacing() {
  clearPacing();
  if (closed || store.isInactive()) return;
  const wait = query(facts.zot_pacing_wait);
  if (wait < 0) return;
  pacingTimer = setTimeout(() => {
    pacingTimer = null;
    enter(facts.zot_turn_timer);
  }, wait);
}

// --- what the module shows ----------------------------------------------

// The table as the human may know it, after every drawing.
function putView(json) {
  const table = JSON.parse(json);
  view.show(table);
  felt.show(table);
  hand.show(table);
  layout.setHandCount(table.deal ? table.hand.length : 0);
  layout.placePile();
}

// A card's picture for the hand's buttons, taken from the module once per card.
function pictureOf(code) {
  if (!pictures.has(code)) {
    const pointer = query(facts.zot_card_rgba, code);
    const w = facts.kCardWidth, h = facts.kCardHeight;
    pictures.set(code, new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, pointer, w * h * 4).slice(), w, h));
  }
  return pictures.get(code);
}

function showNotice(text, action) {
  document.getElementById('notice-text').textContent = text;
  const button = document.getElementById('notice-action');
  button.hidden = !action;
  button.onclick = action;
  notice.hidden = false;
}

// Exit: the table goes. Only a window a script opened may close itself; any
// other offers the way back to the table as it was left.
function closePage() {
  closed = true;
  clearPacing();
  menu.close();
  document.body.classList.add('closed');
  document.getElementById('closed').hidden = false;
  document.getElementById('back-to-table').focus();
  window.close();
}

// Back by a key, the focus goes on to the hand, not to the page's body.
function reopen(byKey) {
  if (!closed) return;
  closed = false;
  document.body.classList.remove('closed');
  document.getElementById('closed').hidden = true;
  query(facts.zot_reopen);
  afterCall();
  if (byKey) document.querySelector('#hand-cards .card, #draw-pile').focus();
}

// The pictures the dialogs and the words show beside the table.
function setPicture(name, rgba, width, height) {
  const picture = new ImageData(new Uint8ClampedArray(rgba.buffer), width, height);
  dialogs.setPicture(name, picture);
  view.setPicture(name, picture);
}

function tell(json) {
  const event = JSON.parse(json);
  if (event.kind === facts.kMatchStarted) hand.matchStarted();
  felt.tell(event);
  view.tell(event);
}

// What the module calls on the page (Module.page in its C++).
const page = { putFrame: frame.putFrame, putView, closePage, tell, reply: view.say, dialog: dialogs.show, setPicture,
               playCue: sound.play };

// --- start --------------------------------------------------------------

// The saved match, if there is one the module can read (one it cannot is kept
// aside, one of a newer build left as it is); then the first move.
function started() {
  const saved = store.open(() => {
    clearPacing();
    showNotice(strings.IDS_OTHER_TAB, () => location.reload());
  });
  const result = saved === null ? facts.kRestored : restore(saved);
  if (result === facts.kRestoreNewer) {
    store.keepNewer();
    showNotice(strings.IDS_SAVE_NEWER, null);
  } else if (result !== facts.kRestored) {
    showNotice(store.keepUnreadable(saved) ? strings.IDS_SAVE_UNREADABLE : strings.IDS_SAVE_NOT_KEPT, null);
  }
  performance.mark('zot-restored');
  document.getElementById('game').removeAttribute('aria-busy');
  ready = true;
  felt.setLive(true);
  afterCall();
  if (language.stored() === 'en') chooseLanguage('en');
}

// The language item switches the page and the module's words, the match going on.
function chooseLanguage(chosen) {
  language.choose(chosen, (english) => enter(facts.zot_language, english))
    .catch((error) => console.error('Zot: no English: ' + (error && error.stack || error)));
}

// The saved match into the module: no more of its bytes than a saved game may
// hold, with its whole size (past the limit, for a longer one, once its
// first bytes are in).
function restore(text) {
  const limit = facts.kMaxSavedGameBytes, at = query(facts.zot_restore_buffer);
  const { read, written } = new TextEncoder().encodeInto(text, module.HEAPU8.subarray(at, at + limit));
  return query(facts.zot_restore, read === text.length ? written : limit + 1);
}

// The saved match is read in a task of its own after main's first frame, so
// that the start never holds the page long: a message, not a timer, that
// comes at once.
function inNextTask(callback) {
  const channel = new MessageChannel();
  channel.port1.onmessage = () => {
    channel.port1.close();
    callback();
  };
  channel.port2.postMessage(null);
}

// A module that could not load or start says so, and the page waits no more.
function fault(words, error) {
  console.error('Zot: ' + (error && error.stack || error));
  showNotice(words, null);
  document.getElementById('game').removeAttribute('aria-busy');
}

// The module's glue starts while the WebAssembly unpacks and compiles (as it
// unpacks) and the assets unpack; the module is instantiated once compiled,
// and its main runs as soon as the assets are in its files. One after the
// other, with a task between the files and main, the first frame came a tenth
// later than when the page carried everything unpacked; started so, no later.
function startModule() {
  const failed = (error) => fault(strings.IDS_MODULE_FAILED, error);
  const compiled = compileModule();
  const unpacked = unpackAssets();
  // What did not arrive whole is said once; the steps below then wait for ever.
  const ignore = () => {};
  Promise.all([compiled, unpacked]).catch((error) => fault(strings.IDS_MODULE_MISSING, error));
  // The object handed in is the module itself, filled in as it starts: its
  // first frame, drawn while it starts, already asks it for card pictures.
  module = {
    page,
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    preRun: [() => {
      module.addRunDependency('zot-assets');
      unpacked.then((assets) => {
        // The bitmaps are the module's to read; the sounds the page's to
        // play, the table's designs the page's to draw.
        const isSound = ([path]) => path.startsWith('/sounds/'), isArt = ([path]) => path.startsWith('/art/');
        sound.keep(assets.filter(isSound));
        assets.filter(isArt).forEach(([, bytes]) => felt.setArt(new TextDecoder().decode(bytes)));
        writeAssets(module.FS, assets.filter((file) => !isSound(file) && !isArt(file)));
        module.removeRunDependency('zot-assets');
      }, ignore).catch(failed);
    }],
    instantiateWasm(imports, receive) {
      // receive() runs main: what it throws lands here too.
      compiled.then((wasm) => WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm)), ignore)
        .catch(failed);
      return {};
    },
    postRun: [() => inNextTask(started)],
    onAbort: failed,
  };
  createModule(module).catch(failed);
}

function start() {
  startModule();
  const canvas = document.getElementById('table');
  frame.init(canvas);
  notice = document.getElementById('notice');
  document.getElementById('notice-close').addEventListener('click', () => { notice.hidden = true; });
  sound.init();
  menu.init(document.getElementById('menubar'), (id) => (id === languageCommand
    ? chooseLanguage(language.languageOf() === 'en' ? 'ar' : 'en') : enter(facts.zot_command, id)),
            (id) => query(facts.zot_setting_mark, id) === 1);
  dialogs.init(document.getElementById('overlay'), pictureOf);
  felt.init();
  view.init();
  hand.init((index) => enter(facts.zot_select_card, index), () => enter(facts.zot_say_zot));
  document.getElementById('back-to-table').addEventListener('click', (event) => reopen(event.detail === 0));
  input.init(canvas, document.getElementById('hand'), {
    press: (x, y) => enter(facts.zot_press, x, y),
    card: (index) => (index < 0 ? enter(facts.zot_draw_pile) : enter(facts.zot_hand_card, index)),
    key: (name, repeat) => enter(facts.zot_key, name, repeat ? 1 : 0),
    command: (id) => enter(facts.zot_command, id),
  });
  layout.init();
  site.registerWorker();
}

start();
