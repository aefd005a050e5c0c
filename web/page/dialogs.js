// The modal dialogs: each resolves to its answer when a button ends it. The
// keys belong to the open dialog: Esc answers only where the dialog has an
// answer for it, Enter presses the default button unless another has the
// focus, Tab stays inside, and the help text scrolls by the arrows and pages.

let overlay = null, open = null, pictureOf = null;

// Resolves to the answer: the marked radio (or -1) for a dialog of radios,
// the checked boxes' bits (`marked` those to open with) for a dialog of
// switches unless cancelled (-1), otherwise the answer of the button pressed.
export function show(templateId, fields, marked) {
  const element = document.getElementById('dialog-' + templateId);
  const radios = Array.from(element.querySelectorAll('input[type="radio"]'));
  radios.forEach((radio, i) => { radio.checked = i === marked; });
  const boxes = Array.from(element.querySelectorAll('input[type="checkbox"]'));
  boxes.forEach((box, i) => { box.checked = ((marked >> i) & 1) === 1; });
  // Each field by its control's number or the page's own name of it, as the
  // module names them: "1011=12"; "card=33" is the card a dialog shows.
  for (const line of fields.split('\n')) {
    const at = line.indexOf('='), name = line.slice(0, at), value = line.slice(at + 1);
    const field = at > 0 ? element.querySelector(`[data-field][data-id="${name}"]`) : null;
    if (field) field.textContent = value;
    const shownBy = at > 0 ? element.querySelector(`[data-shown-by="${name}"]`) : null;
    if (shownBy) shownBy.hidden = value === '';
    // A choice with no words is no choice here: the seat dialog's third seat of three.
    const choice = field && field.closest('label');
    if (choice) choice.hidden = value === '';
    const card = name === 'card' ? element.querySelector('canvas.drawn-card') : null;
    if (card) card.getContext('2d').putImageData(pictureOf(Number(value)), 0, 0);
  }
  const scroller = element.querySelector('.help-text');
  if (scroller) scroller.scrollTop = 0;
  // The focus comes back where it was: a player who pressed a card by
  // keyboard or screen reader goes on from that card.
  const before = document.activeElement;
  overlay.hidden = false;
  element.hidden = false;
  // The colour chooser opens on the colour in force, which is heard before a
  // quick Enter can choose it; the others on their default button.
  (radios.find((radio) => radio.checked) || radios[0] || boxes[0] || element.querySelector('.default')).focus();
  return new Promise((resolve) => {
    const finish = (answer) => {
      element.hidden = true;
      overlay.hidden = true;
      element.onclick = null;
      open = null;
      if (before && before.isConnected && before.focus) before.focus();
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
      if (boxes.length > 0 && answer >= 0) answer = boxes.reduce((bits, box, i) => bits | (box.checked << i), 0);
      finish(answer);
    };
    const escape = element.dataset.escape;
    open = { element, scroller, escape: () => { if (escape !== undefined) finish(Number(escape)); } };
  });
}

const kScrollKeys = { ArrowUp: -1, ArrowDown: 1, PageUp: -10, PageDown: 10 };

function scroll(scroller, key) {
  const line = parseFloat(getComputedStyle(scroller).lineHeight) || 20;
  if (key === 'Home') scroller.scrollTop = 0;
  else if (key === 'End') scroller.scrollTop = scroller.scrollHeight;
  else if (key.startsWith('Page')) scroller.scrollTop += Math.sign(kScrollKeys[key]) * (scroller.clientHeight - line);
  else scroller.scrollTop += kScrollKeys[key] * line;
}

// True when a dialog is open: then every key is the dialog's.
export function onKey(event) {
  if (open === null) return false;
  const inDialog = open.element.contains(event.target);
  if (event.key === 'Escape') {
    event.preventDefault();
    open.escape();
  } else if (event.key === 'Enter') {
    event.preventDefault();
    const focused = inDialog && event.target.matches('button[data-answer]') ? event.target : null;
    (focused || open.element.querySelector('.default')).click();
  } else if (open.scroller && (event.key in kScrollKeys || event.key === 'Home' || event.key === 'End')) {
    event.preventDefault();
    scroll(open.scroller, event.key);
  } else if (event.key === 'Tab') {
    event.preventDefault();
    const stops = Array.from(open.element.querySelectorAll('button[data-answer]:not([tabindex="-1"]), input'));
    const at = stops.indexOf(document.activeElement);
    stops[(at + (event.shiftKey ? stops.length - 1 : 1)) % stops.length].focus();
  } else if (!inDialog) {
    event.preventDefault();
  }
  event.stopPropagation();
  return true;
}

// The card back beside the information dialogs' words, and each colour's
// strip of the table's colour bar beside its choice in the colour chooser.
export function setPicture(name, picture) {
  const { width, height } = picture;
  if (name === 'card-back') {
    for (const target of document.querySelectorAll('canvas.card-back')) {
      target.width = width;
      target.height = height;
      target.getContext('2d').putImageData(picture, 0, 0);
    }
  } else if (name === 'color-bar') {
    for (const target of document.querySelectorAll('canvas.swatch')) {
      const strip = height / 4;
      target.width = width;
      target.height = strip;
      target.getContext('2d').putImageData(picture, 0, -strip * Number(target.dataset.color), 0,
        strip * Number(target.dataset.color), width, strip);
    }
  }
}

export function init(overlayElement, pictureGetter) {
  overlay = overlayElement;
  pictureOf = pictureGetter;
}

export const isOpen = () => open !== null;

