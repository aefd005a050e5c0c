// Presses, taps and keys. A mouse acts on button-down, as the Windows program
// does. A finger acts on a tap: one finger down and up again soon, without
// moving; a pinch, a pan or a long press plays nothing (the browser zooms and
// scrolls as it would), and no double tap zooms. Keys: the table's own as on
// Windows (Ctrl held or not; D is the letter of the layout), and the keys that
// say the table again.

import * as dialogs from './dialogs.js';
import * as facts from 'zot-facts';
import * as hand from './hand.js';
import * as menu from './menu.js';
import { accelerators } from 'zot-words';

const kTapMs = 500, kTapSlop = 10;
let act = null;

// Calls onTap(target, x, y) for a tap; mouse presses go through onMouse.
function watchTaps(element, onTap) {
  let down = null;
  element.addEventListener('pointerdown', (event) => {
    if (event.pointerType !== 'touch') return;
    // A second finger makes it a pinch.
    down = down === null && event.isPrimary
      ? { id: event.pointerId, x: event.clientX, y: event.clientY, at: event.timeStamp, target: event.target } : false;
  });
  element.addEventListener('pointermove', (event) => {
    if (down && event.pointerId === down.id &&
        Math.hypot(event.clientX - down.x, event.clientY - down.y) > kTapSlop) down = false;
  });
  const end = (event) => {
    if (event.pointerType !== 'touch') return;
    const tap = down && event.pointerId === down.id && event.type === 'pointerup' &&
      event.timeStamp - down.at < kTapMs;
    if (tap) onTap(down.target, down.x, down.y);
    // The gesture is over once no finger is left on the element.
    if (event.isPrimary || !tap) down = null;
  };
  element.addEventListener('pointerup', end);
  element.addEventListener('pointercancel', end);
  element.addEventListener('contextmenu', (event) => event.preventDefault());
}

function tablePoint(canvas, x, y) {
  const box = canvas.getBoundingClientRect();
  const clamp = (v, most) => Math.min(Math.max(v, 0), most - 1);
  const w = facts.kFrameWidth, h = facts.kFrameHeight;
  return [clamp(Math.floor((x - box.left) * w / box.width), w), clamp(Math.floor((y - box.top) * h / box.height), h)];
}

// The letter of a key as the layout gives it; on layouts without Latin
// letters, the letter of its place, as Windows' key codes are.
export function letterOf(event) {
  if (/^[a-z]$/i.test(event.key)) return event.key.toLowerCase();
  return /^Key[A-Z]$/.test(event.code) ? event.code.slice(3).toLowerCase() : '';
}

// The table's keys as the module names them, and the keys that say it again.
const kTableKeys = new Set(facts.kTableKeyCodes);
const kQueryKeys = new Set(facts.kQueryKeyCodes);

// The module's name of a table key, or null. Alt and the system key belong
// to the browser and the menu mnemonics.
function tableKey(event) {
  if (event.altKey || event.metaKey) return null;
  if (letterOf(event) === 'd') return 'KeyD';
  if (letterOf(event) === 'z') return 'KeyZ';
  const name = event.key === ' ' ? 'Space' : event.key;
  if (!kTableKeys.has(name)) return null;
  // Enter and Space on a button press that button, not the table.
  const onControl = event.target.closest && event.target.closest('button, input, a, [role^="menuitem"]');
  return (name === 'Enter' || name === 'Space') && onControl ? null : name;
}

// The menu command of a key, as the resource script's accelerators give it (F2: New game).
function commandOf(event) {
  if (event.altKey || event.metaKey) return null;
  const accelerator = accelerators.find((a) => a.key === event.key);
  return accelerator ? accelerator.command : null;
}

function onKey(event) {
  if (dialogs.onKey(event) || menu.onKey(event) || event.key === 'Escape') return;
  const key = tableKey(event), command = commandOf(event);
  if (key !== null) {
    event.preventDefault();
    hand.keyAsked(true);
    act.key(key, event.repeat);
  } else if (command !== null) {
    event.preventDefault();
    hand.keyAsked(true);
    act.command(command);
  } else if (!event.ctrlKey && !event.altKey && !event.metaKey && kQueryKeys.has(`Key${letterOf(event).toUpperCase()}`)) {
    // The keys that say the table again, by the letter as the layout gives it.
    event.preventDefault();
    act.key(`Key${letterOf(event).toUpperCase()}`, event.repeat);
  }
}

export function init(canvas, handElement, actions) {
  act = actions;
  canvas.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'touch' || event.button !== 0) return;
    hand.keyAsked(false);
    act.press(...tablePoint(canvas, event.clientX, event.clientY));
  });
  watchTaps(canvas, (target, x, y) => {
    hand.keyAsked(false);
    act.press(...tablePoint(canvas, x, y));
  });
  // Buttons: a tap, a click or the keyboard (a click without a pointer); a
  // touch's own click is the tap's.
  const pressButton = (element, byKey) => {
    const index = hand.target(element);
    hand.keyAsked(byKey);
    if (index !== null) act.card(index);
  };
  watchTaps(handElement, (element) => pressButton(element, false));
  handElement.addEventListener('click', (event) => {
    if (event.pointerType !== 'touch') pressButton(event.target, event.pointerType === '');
  });
  document.addEventListener('keydown', onKey, true);
}

