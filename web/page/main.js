// The page around the module: it enters the module one call at a time, runs the
// pacing timer, shows the frames and binds the menu, the dialogs, the hand,
// the words, the sound and the store. While a dialog holds the module
// suspended, presses, keys and menu commands are dropped, as a modal dialog
// disables the Windows program's main window.
'use strict';

var Zot = (function () {
  const kWidth = 600, kHeight = 400;
  let canvas = null, context = null, notice = null;
  let ready = false, busy = false, closed = false;
  let pacingTimer = null;
  const pictures = new Map();

  // --- calls into the module ---------------------------------------------

  const query = (name, type, types = [], args = []) => Module.ccall(name, type, types, args);

  // False when the call was dropped. A call that throws, at once or later,
  // is reported and leaves the page answering.
  function enter(name, args = []) {
    if (!ready || busy || closed || ZotStore.isInactive()) return false;
    busy = true;
    // No computer move while a call, and any dialog it opens, is under way.
    clearPacing();
    const types = args.map((arg) => typeof arg === 'string' ? 'string' : 'number');
    let done;
    try {
      done = Promise.resolve(Module.ccall(name, null, types, args, { async: true }));
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
    ZotMenu.showMarks();
    ZotStore.save(query('zot_save', 'string'));
    schedulePacing();
  }

  function clearPacing() {
    if (pacingTimer !== null) clearTimeout(pacingTimer);
    pacingTimer = null;
  }

  // One timer to the pacing deadline, none while the table waits for the human.
  function schedulePacing() {
    clearPacing();
    if (closed || ZotStore.isInactive()) return;
    const wait = query('zot_pacing_wait', 'number');
    if (wait < 0) return;
    pacingTimer = setTimeout(() => {
      pacingTimer = null;
      enter('zot_turn_timer');
    }, wait);
  }

  // --- what the module shows ----------------------------------------------

  function putFrame(rgba, width, height) {
    context.putImageData(new ImageData(rgba, width, height), 0, 0);
    if (performance.getEntriesByName('zot-first-frame').length === 0) performance.mark('zot-first-frame');
  }

  // The table as the human may know it, after every drawing.
  function putView(json) {
    const view = JSON.parse(json);
    ZotAccess.show(view);
    ZotHand.show(view);
    ZotLayout.setHandCount(view.deal ? view.hand.length : 0);
  }

  // A card's picture for the hand's buttons, taken from the module once per card.
  function pictureOf(code) {
    if (!pictures.has(code)) {
      const pointer = query('zot_card_rgba', 'number', ['number'], [code]);
      pictures.set(code, new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pointer, 60 * 90 * 4).slice(), 60, 90));
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

  function closePage() {
    closed = true;
    clearPacing();
    ZotMenu.close();
    document.body.classList.add('closed');
    // Only a window a script opened may close itself; otherwise the page stays empty.
    window.close();
  }

  // --- start --------------------------------------------------------------

  // The saved match, if there is one the module can read; then the first move.
  function started() {
    const saved = ZotStore.open(() => {
      clearPacing();
      showNotice(ZotWords.IDS_OTHER_TAB, () => location.reload());
    });
    if (saved !== null && query('zot_restore', 'number', ['string'], [saved]) !== 1) {
      ZotStore.keepUnreadable(saved);
      showNotice(ZotWords.IDS_SAVE_UNREADABLE, null);
    }
    performance.mark('zot-restored');
    document.getElementById('game').removeAttribute('aria-busy');
    ready = true;
    afterCall();
  }

  function start() {
    canvas = document.getElementById('table');
    context = canvas.getContext('2d');
    notice = document.getElementById('notice');
    document.getElementById('notice-close').addEventListener('click', () => { notice.hidden = true; });
    ZotSound.init();
    ZotMenu.init(document.getElementById('menubar'), (id) => enter('zot_command', [id]),
                 (id) => query('zot_setting_mark', 'number', ['number'], [id]) === 1);
    ZotDialogs.init(document.getElementById('overlay'));
    ZotAccess.init();
    ZotHand.init(pictureOf);
    ZotInput.init(canvas, document.getElementById('hand'), {
      press: (x, y) => enter('zot_press', [x, y]),
      card: (index) => enter(index < 0 ? 'zot_draw_pile' : 'zot_hand_card', index < 0 ? [] : [index]),
      key: (name, repeat) => enter('zot_key', [name, repeat ? 1 : 0]),
    });
    ZotLayout.init();
  }

  start();
  return {
    putFrame, putView, closePage, started,
    tell: (json) => ZotAccess.tell(JSON.parse(json)),
    dialog: (templateId, fields, marked) => ZotDialogs.show(templateId, fields, marked),
    setPicture: (name, rgba, width, height) => ZotDialogs.setPicture(name, rgba, width, height),
    playSamples: (name, samples, rate) => ZotSound.play(name, samples, rate),
  };
})();

var Module = {
  // The WebAssembly is in the page as base64. Decoded here it is ready in
  // tens of milliseconds; fetched as a data URL it took a few hundred.
  instantiateWasm: (imports, receive) => {
    const text = atob(document.getElementById('zot-wasm').textContent);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    WebAssembly.instantiate(bytes, imports).then((result) => receive(result.instance, result.module));
    return {};
  },
  postRun: [Zot.started],
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
};
