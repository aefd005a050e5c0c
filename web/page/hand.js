// The human's hand as buttons, one per card in the hand's order, with the
// game's own card pictures and the cards' names, and the draw pile beside
// them. On touch screens they are the large hand a finger plays from; elsewhere
// they stay out of sight but in the accessibility tree and the Tab order, and
// show while one of them has the focus. A button acts as a press on its card
// of the table, with the very same legality, cues and dialogs.

import * as facts from 'zot-facts';

let cards = null, pile = null, pictureOf = null;
let shown = '';

function makeButton() {
  const button = document.createElement('button');
  button.className = 'card';
  button.append(makePicture());
  return button;
}

function makePicture() {
  const picture = document.createElement('canvas');
  picture.width = facts.kCardWidth;
  picture.height = facts.kCardHeight;
  return picture;
}

const paint = (picture, code) => picture.getContext('2d').putImageData(pictureOf(code), 0, 0);

// Buttons are kept by place: after a play the focus stays where it was.
export function show(view) {
  if (!pile.firstChild) paint(pile.appendChild(makePicture()), 0);
  const hand = view.hand.map((card) => card.code);
  const label = view.deal ? pile.dataset.label : pile.dataset.idleLabel;
  if (pile.getAttribute('aria-label') !== label) pile.setAttribute('aria-label', label);
  const key = hand.join(',');
  if (key === shown) return;
  shown = key;
  const focused = cards.contains(document.activeElement);
  while (cards.childElementCount > hand.length) cards.lastElementChild.remove();
  hand.forEach((code, i) => {
    const button = cards.children[i] || cards.appendChild(makeButton());
    if (button.dataset.code === String(code)) return;
    button.dataset.code = code;
    button.dataset.index = i;
    paint(button.firstChild, code);
    button.setAttribute('aria-label', view.hand[i].name);
  });
  if (focused && !cards.contains(document.activeElement)) (cards.lastElementChild || pile).focus();
}

// The index of the card a button stands for, -1 for the pile, null for none.
export function target(element) {
  if (pile.contains(element)) return -1;
  const button = element.closest && element.closest('#hand-cards .card');
  return button ? Number(button.dataset.index) : null;
}

export function init(pictureGetter) {
  cards = document.getElementById('hand-cards');
  pile = document.getElementById('draw-pile');
  pictureOf = pictureGetter;
}

