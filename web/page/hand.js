// The human's hand as buttons, one per card in the hand's order, with the
// cards drawn from their designs at the screen's resolution and the cards'
// names, and the draw pile after them. On the page's own table they are the
// one hand mouse, touch and keys play from; on the classic table, on touch
// screens they are the large hand a finger plays from, elsewhere they stay out
// of sight but in the accessibility tree and the Tab order, and show while one
// of them has the focus. A button acts as a press on its card of the table,
// with the very same legality, cues and dialogs.

import * as facts from 'zot-facts';
import { picture, setPicture } from './table.js';

let cards = null, pile = null, sayZot = null;
let shown = '';

function makeButton() {
  const button = document.createElement('button');
  button.className = 'card';
  button.append(picture('c' + facts.kCardBack, 'card-picture'));
  return button;
}

// Where the focus may go by itself: nowhere a player put it on purpose.
const focusIsFree = () => [document.body, pile, null].includes(document.activeElement) ||
  cards.contains(document.activeElement);
// A new match was dealt, and a key asked for it: the focus goes to the hand.
let newMatch = false, byKey = false;

// Buttons are kept by place: after a play the focus stays where it was. The
// cards the rules do not allow now are marked (and a press on one still says
// why); the keyboard's selection is the card that has the focus.
export function show(view) {
  sayZot.hidden = !view.sayZot;
  if (!pile.querySelector('.card-picture')) pile.prepend(picture('c' + facts.kCardBack, 'card-picture'));
  const hand = view.hand.map((card) => card.code);
  const label = view.deal ? pile.dataset.label : pile.dataset.idleLabel;
  if (pile.getAttribute('aria-label') !== label) pile.setAttribute('aria-label', label);
  pile.classList.toggle('idle', !view.deal);
  const key = hand.join(',');
  if (key !== shown) {
    shown = key;
    const focused = cards.contains(document.activeElement);
    while (cards.childElementCount > hand.length) cards.lastElementChild.remove();
    hand.forEach((code, i) => {
      const button = cards.children[i] || cards.appendChild(makeButton());
      if (button.dataset.code === String(code)) return;
      button.dataset.code = code;
      button.dataset.index = i;
      setPicture(button.firstChild, 'c' + code);
    });
    if (focused && !cards.contains(document.activeElement)) (cards.lastElementChild || pile).focus();
  }
  // Named at every view: the language may have changed with the hand the same.
  view.hand.forEach((card, i) => {
    const button = cards.children[i];
    if (button.getAttribute('aria-label') !== card.name) button.setAttribute('aria-label', card.name);
    button.setAttribute('aria-disabled', card.playable ? 'false' : 'true');
    if (i === view.selected) button.setAttribute('aria-current', 'true');
    else button.removeAttribute('aria-current');
  });
  // The pile that started the match now draws: the focus goes on to the hand,
  // so a second Enter there does not draw unasked.
  let target = null;
  if (view.selected >= 0 && focusIsFree()) target = cards.children[view.selected];
  else if (newMatch && hand.length && (document.activeElement === pile || byKey)) target = cards.firstElementChild;
  if (target && target !== document.activeElement) target.focus();
  if (hand.length) newMatch = byKey = false;
}

// A new match began; whether the input that asked for it was a key.
export function matchStarted() {
  newMatch = true;
}
export function keyAsked(key) {
  byKey = key;
}

// The index of the card a button stands for, -1 for the pile, null for none.
export function target(element) {
  if (pile.contains(element)) return -1;
  const button = element.closest && element.closest('#hand-cards .card');
  return button ? Number(button.dataset.index) : null;
}

// A card the player tabs to becomes the selection too, so the arrows go on from it.
export function init(onSelect, onSayZot) {
  cards = document.getElementById('hand-cards');
  pile = document.getElementById('draw-pile');
  sayZot = document.getElementById('say-zot');
  sayZot.addEventListener('click', onSayZot);
  let tabbed = false;
  document.addEventListener('keydown', (event) => { tabbed = event.key === 'Tab'; }, true);
  document.addEventListener('pointerdown', () => { tabbed = false; }, true);
  cards.addEventListener('focusin', (event) => {
    const button = event.target.closest('.card');
    if (tabbed && button && button.getAttribute('aria-current') !== 'true') onSelect(Number(button.dataset.index));
  });
}

