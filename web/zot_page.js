// The page around the module: the canvas, the menu bar, the dialogs, the sound
// and the pacing timer. The module is entered only from here, one call at a
// time: while a dialog holds it suspended, presses, keys and menu commands are
// dropped, as a modal dialog disables the Windows program's main window.
'use strict';

var Zot = (function () {
  const kWidth = 600, kHeight = 400;
  let canvas = null, context = null, menubar = null, overlay = null;
  let ready = false, busy = false, closed = false;
  let pacingTimer = null;
  let audio = null, playing = null;
  const cueBuffers = new Map();
  let openDialog = null;

  // --- calls into the module ---------------------------------------------

  function enter(name, args) {
    if (!ready || busy || closed) return;
    busy = true;
    // No computer move while a call, and any dialog it opens, is under way.
    clearPacing();
    const types = args.map((arg) => typeof arg === 'string' ? 'string' : 'number');
    Promise.resolve(Module.ccall(name, null, types, args, { async: true })).finally(() => {
      busy = false;
      showMarks();
      schedulePacing();
    });
  }

  function clearPacing() {
    if (pacingTimer !== null) clearTimeout(pacingTimer);
    pacingTimer = null;
  }

  // One timer to the pacing deadline, none while the table waits for the human.
  function schedulePacing() {
    clearPacing();
    if (closed) return;
    const wait = Module.ccall('zot_pacing_wait', 'number', [], []);
    if (wait < 0) return;
    pacingTimer = setTimeout(() => {
      pacingTimer = null;
      enter('zot_turn_timer', []);
    }, wait);
  }

  // --- table ---------------------------------------------------------------

  function fitTable() {
    const roomWidth = window.innerWidth, roomHeight = window.innerHeight - menubar.offsetHeight;
    let scale = Math.min(roomWidth / kWidth, roomHeight / kHeight);
    // Whole multiples where they fit keep every pixel square and sharp.
    if (scale >= 1) scale = Math.floor(scale);
    canvas.style.width = kWidth * scale + 'px';
    canvas.style.height = kHeight * scale + 'px';
  }

  function onTablePress(event) {
    // A press that closes an open menu goes no further, as on Windows.
    if (event.button !== 0 || menuOpen()) return;
    const box = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left) * kWidth / box.width);
    const y = Math.floor((event.clientY - box.top) * kHeight / box.height);
    enter('zot_press', [Math.min(Math.max(x, 0), kWidth - 1), Math.min(Math.max(y, 0), kHeight - 1)]);
  }

  function putFrame(rgba, width, height) {
    context.putImageData(new ImageData(rgba, width, height), 0, 0);
    if (performance.getEntriesByName('zot-first-frame').length === 0) performance.mark('zot-first-frame');
  }

  // --- menu ----------------------------------------------------------------

  function closeMenus() {
    for (const title of menubar.querySelectorAll('.menu-title')) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    }
  }

  function openMenu(title) {
    closeMenus();
    title.setAttribute('aria-expanded', 'true');
    title.nextElementSibling.hidden = false;
  }

  function menuOpen() {
    return menubar.querySelector('.menu-title[aria-expanded="true"]') !== null;
  }

  function setUpMenu() {
    for (const title of menubar.querySelectorAll('.menu-title')) {
      title.addEventListener('click', () => {
        if (title.getAttribute('aria-expanded') === 'true') closeMenus();
        else openMenu(title);
      });
      title.addEventListener('mouseenter', () => {
        if (menuOpen()) openMenu(title);
      });
    }
    for (const item of menubar.querySelectorAll('li[data-command]')) {
      item.addEventListener('click', () => {
        closeMenus();
        enter('zot_command', [Number(item.dataset.command)]);
      });
    }
    document.addEventListener('pointerdown', (event) => {
      if (!menubar.contains(event.target)) closeMenus();
    });
  }

  // The marks of the settings items, as the module's settings have them.
  function showMarks() {
    if (closed) return;
    for (const item of menubar.querySelectorAll('li[role="menuitemradio"]')) {
      const checked = Module.ccall('zot_setting_mark', 'number', ['number'], [Number(item.dataset.command)]) === 1;
      item.setAttribute('aria-checked', checked ? 'true' : 'false');
    }
  }

  // --- dialogs -------------------------------------------------------------

  // Resolves to the answer: the marked colour (or -1) for the colour chooser,
  // otherwise the answer of the button pressed (OK 1, the other 0).
  function dialog(templateId, fields, marked) {
    const element = document.getElementById('dialog-' + templateId);
    const radios = Array.from(element.querySelectorAll('input[type="radio"]'));
    radios.forEach((radio, i) => { radio.checked = i === marked; });
    if (fields) {
      const texts = fields.split('\n');
      element.querySelectorAll('[data-field]').forEach((field, i) => { field.textContent = texts[i]; });
    }
    closeMenus();
    overlay.hidden = false;
    element.hidden = false;
    element.querySelector('.default').focus();
    return new Promise((resolve) => {
      const finish = (answer) => {
        element.hidden = true;
        overlay.hidden = true;
        element.onclick = null;
        openDialog = null;
        resolve(answer);
      };
      element.onclick = (event) => {
        const button = event.target.closest('button[data-answer]');
        if (!button) return;
        let answer = Number(button.dataset.answer);
        if (radios.length > 0) {
          // Should several be marked, the last in colour order wins.
          answer = -1;
          radios.forEach((radio, i) => { if (radio.checked) answer = i; });
        }
        finish(answer);
      };
      // Esc answers only where the dialog has an answer for it.
      const escape = element.dataset.escape;
      openDialog = { element, escape: () => { if (escape !== undefined) finish(Number(escape)); } };
    });
  }

  function setPicture(rgba, width, height) {
    const picture = new ImageData(new Uint8ClampedArray(rgba.buffer), width, height);
    for (const target of document.querySelectorAll('canvas.card-back')) {
      target.width = width;
      target.height = height;
      target.getContext('2d').putImageData(picture, 0, 0);
    }
  }

  // The keys the table answers (play by keyboard, F2 for a new match).
  const kTableKeys = new Set(['ArrowLeft', 'ArrowRight', 'Home', 'End', 'Enter', 'NumpadEnter', 'Space', 'KeyD', 'F2']);

  // Keys belong to the open dialog; Esc only answers as the dialog says, Enter
  // presses the default button unless another button has the focus.
  function onKey(event) {
    if (openDialog === null) {
      if (event.key === 'Escape') closeMenus();
      else if (kTableKeys.has(event.code) && !menuOpen() && !event.altKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        enter('zot_key', [event.code, event.repeat ? 1 : 0]);
      }
      return;
    }
    const inDialog = openDialog.element.contains(event.target);
    if (event.key === 'Escape') {
      event.preventDefault();
      openDialog.escape();
    } else if (event.key === 'Enter') {
      event.preventDefault();
      const focused = inDialog && event.target.matches('button[data-answer]') ? event.target : null;
      (focused || openDialog.element.querySelector('.default')).click();
    } else if (!inDialog || event.key === 'Tab') {
      if (event.key === 'Tab') {
        event.preventDefault();
        const stops = Array.from(openDialog.element.querySelectorAll('button[data-answer]:not([tabindex="-1"]), input'));
        const at = stops.indexOf(document.activeElement);
        stops[(at + (event.shiftKey ? stops.length - 1 : 1)) % stops.length].focus();
      } else {
        event.preventDefault();
      }
    }
    event.stopPropagation();
  }

  // --- sound ---------------------------------------------------------------

  // Browsers start sound only after a gesture: the first press or key is one.
  function unlockAudio() {
    if (audio === null) audio = new AudioContext();
    else if (audio.state === 'suspended') audio.resume();
  }

  function playSamples(name, samples, rate) {
    if (audio === null) return;
    let buffer = cueBuffers.get(name);
    if (buffer === undefined) {
      buffer = audio.createBuffer(1, samples.length, rate);
      const channel = buffer.getChannelData(0);
      for (let i = 0; i < samples.length; ++i) channel[i] = (samples[i] - 128) / 128;
      cueBuffers.set(name, buffer);
    }
    if (playing !== null) playing.stop();
    playing = audio.createBufferSource();
    playing.buffer = buffer;
    playing.connect(audio.destination);
    playing.start();
  }

  // --- page ----------------------------------------------------------------

  function closePage() {
    closed = true;
    clearPacing();
    closeMenus();
    document.body.classList.add('closed');
    // Only a window a script opened may close itself; otherwise the page stays empty.
    window.close();
  }

  function start() {
    canvas = document.getElementById('table');
    context = canvas.getContext('2d');
    menubar = document.getElementById('menubar');
    overlay = document.getElementById('overlay');
    setUpMenu();
    canvas.addEventListener('pointerdown', onTablePress);
    document.addEventListener('pointerdown', unlockAudio, true);
    document.addEventListener('keydown', unlockAudio, true);
    document.addEventListener('keydown', onKey, true);
    window.addEventListener('resize', fitTable);
    fitTable();
  }

  start();
  return {
    putFrame, dialog, setPicture, playSamples, closePage,
    started: () => { ready = true; showMarks(); schedulePacing(); },
  };
})();

var Module = {
  postRun: [Zot.started],
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
};
