// The page's own table, the default view: the same cards as the bitmaps,
// drawn by the browser from their vector designs (zot-assetgen's art/cards.svg)
// at the screen's own resolution; each seat named with its number of cards,
// the seat to move lit; the top of the discard pile with the colour in force
// and the way play goes beside it. Every movement the table's events tell is
// shown as it happens (a card to the discard pile, cards from the stock to a
// seat, a reverse, a skip, "Zot!"), never by comparing one view with the next:
// a restored or reloaded table shows at once. The movements are decoration,
// hidden from a screen reader, which hears every move from the log; under
// prefers-reduced-motion there are none.
import * as facts from 'zot-facts';

// Short enough to end well before the next computer move (the pacing's wait
// is near a second); a penalty's or a deal's cards follow one another.
const kFlyMs = 260, kStaggerMs = 45, kDealCards = 4;
let felt = null, fx = null, stock = null, discard = null, strip = null, ring = null, piles = null, hand = null, owed = null;
let seats = [], shown = { top: -1, color: -1, direction: 0 }, landing = 0, latest = null, live = false, dealing = false;
const still = matchMedia('(prefers-reduced-motion: reduce)');
const numbers = new Intl.NumberFormat(document.documentElement.lang);
// Each design of the sprite as an image of its own, by its symbol's id ("c"
// and a card code, "k" and a colour): the browser draws an SVG image once
// for the size it shows at, on the screen's own pixels, and moves it freely.
const designs = new Map();

// A picture of design `id`, decoration beside the words that name it.
export function picture(id, className) {
  const image = document.createElement('img');
  image.alt = '';
  image.className = className;
  image.draggable = false;
  image.decoding = 'async';
  setPicture(image, id);
  return image;
}
export function setPicture(image, id) {
  if (image.dataset.art === id || !designs.has(id)) return;
  image.dataset.art = id;
  image.src = designs.get(id);
}

// The designs, once unpacked (before the module's main runs, so before the
// first view): the sprite's symbols, each made a document of its own.
export function setArt(text) {
  for (const [, id, box, body] of text.matchAll(/<symbol id="(\w+)" viewBox="([^"]+)">([\s\S]*?)<\/symbol>/g)) {
    designs.set(id, 'data:image/svg+xml,' + encodeURIComponent(
      `<svg xmlns="http://www.w3.org/2000/svg" viewBox="${box}">${body}</svg>`));
  }
}

// Which side of the table a seat sits on, from where its fan lies on the
// classic table (the view's x, y in the frame's pixels).
function sideOf(seat, i) {
  if (i === 0) return 'bottom';
  if (seat.y < facts.kFrameHeight / 4) return 'top';
  return seat.x < facts.kFrameWidth / 2 ? 'left' : 'right';
}

function makeSeat() {
  const seat = document.createElement('div');
  seat.className = 'seat';
  seat.setAttribute('aria-hidden', 'true');
  const fan = seat.appendChild(document.createElement('div'));
  fan.className = 'fan';
  const label = seat.appendChild(document.createElement('p'));
  label.className = 'seat-label';
  label.append(document.createElement('span'), document.createElement('b'));
  felt.append(seat);
  return seat;
}

function showSeats(view) {
  view.seats.forEach((seat, i) => {
    const place = seats[i] || (seats[i] = makeSeat());
    place.dataset.side = sideOf(seat, i);
    place.hidden = false;
    place.classList.toggle('turn', i === view.turn && !view.ended);
    const [name, count] = place.lastChild.children;
    if (name.textContent !== seat.name) name.textContent = seat.name;
    count.textContent = numbers.format(seat.count);
    // A few backs stand for the hand; the count says how many.
    const fan = place.firstChild, backs = i === 0 ? 0 : Math.min(seat.count, 5);
    while (fan.childElementCount > backs) fan.lastChild.remove();
    while (fan.childElementCount < backs) fan.append(picture('c0', 'card-picture'));
  });
  seats.slice(view.seats.length).forEach((place) => { place.hidden = true; });
}

// Between deals the felt's "idle" class hides the discard pile, the strip
// and the ring, keeping their room, so that nothing moves when a deal begins.
function showTop(view) {
  if (view.top !== shown.top) {
    shown.top = view.top;
    if (view.top) setPicture(discard, 'c' + view.top);
  }
  if (view.color !== shown.color && view.color >= 0 && view.color <= 3) {
    shown.color = view.color;
    setPicture(strip, 'k' + view.color);
  }
  if (view.direction !== shown.direction) {
    shown.direction = view.direction;
    ring.classList.toggle('counter', view.direction < 0);
  }
}

// The table after every change. The discard pile keeps its last card while
// one flies to it, and takes the new one as it lands.
export function show(view) {
  latest = view;
  felt.classList.toggle('idle', !view.deal);
  // A stacked total owed, on the discard pile it grew on: "+6".
  owed.hidden = !(view.owed > 0);
  if (view.owed > 0) owed.textContent = '+' + numbers.format(view.owed);
  showSeats(view);
  // A deal's cards go round once the seats of the new deal are in place.
  if (dealing && moving()) {
    seats.forEach((place, seat) => {
      for (let k = 0; !place.hidden && k < kDealCards; ++k) {
        fly(0, stock, seatTarget(seat), (k * view.seats.length + seat) * kStaggerMs / 2);
      }
    });
  }
  dealing = false;
  if (!landing) showTop(view);
  else showTop({ ...view, top: shown.top });
}

// --- movements --------------------------------------------------------

const moving = () => live && !still.matches && !document.hidden && felt.offsetParent !== null;
const middle = (element) => {
  const box = element.getBoundingClientRect();
  return { x: box.left + box.width / 2, y: box.top + box.height / 2, w: box.width };
};

// A card (face `code`, a back for 0) flying from `from` to `to`, both
// elements, after `delay` ms; `landed` runs as it arrives.
function fly(code, from, to, delay, landed) {
  // In the coordinates of the layer over the felt and the hand.
  const a = middle(from), b = middle(to), size = middle(discard).w, box = fx.getBoundingClientRect();
  const card = fx.appendChild(picture('c' + code, 'card-picture flying'));
  card.style.width = size + 'px';
  const at = (p, scale) => `translate(${p.x - box.left - size / 2}px, ${p.y - box.top - size * 0.75}px) scale(${scale})`;
  const start = Math.min(1, a.w / size), end = Math.min(1, b.w / size);
  const motion = card.animate([{ transform: at(a, start) }, { transform: at(b, end) }],
                              { duration: kFlyMs, delay, easing: 'cubic-bezier(.2,.7,.3,1)', fill: 'backwards' });
  motion.finished.then(() => { card.remove(); if (landed) landed(); }, () => card.remove());
}

// The place a seat's cards come to and go from: the hand's last card for the human.
const seatTarget = (seat) => (seat === 0 ? document.querySelector('#hand-cards .card:last-child') || hand
  : seats[seat]?.firstChild);

function toDiscard(event) {
  let from = seats[event.seat]?.firstChild;
  if (event.seat === 0) {
    const button = document.querySelector(`#hand-cards .card[data-code="${event.card}"]`);
    from = button || seatTarget(0);
  }
  if (!from) return;
  ++landing;
  fly(event.card, from, discard, 0, () => {
    if (--landing === 0 && latest) showTop(latest);
  });
}

function pulse(element, name) {
  if (!element) return;
  element.animate(name === 'skip'
    ? [{ transform: 'none' }, { transform: 'translateX(-6px)' }, { transform: 'translateX(6px)' }, { transform: 'none' }]
    : [{ transform: 'scale(1)' }, { transform: 'scale(1.25)', boxShadow: '0 0 18px 6px #ffd84a' }, { transform: 'scale(1)' }],
  { duration: 420, easing: 'ease-out' });
}

// One event the rules tell, as it happens (before the view that follows it).
export function tell(event) {
  if (!moving()) return;
  const target = seatTarget(event.seat);
  switch (event.kind) {
    case facts.kDealt: dealing = true; break;
    case facts.kPlayed: toDiscard(event); break;
    case facts.kDrew: if (target) fly(0, stock, target, 0); break;
    case facts.kPenalty:
      for (let k = 0; target && k < event.count; ++k) fly(0, stock, target, k * kStaggerMs);
      break;
    // Added to the ring's own mirroring, which the new direction has already set.
    case facts.kReversed: ring.animate([{ transform: 'rotate(180deg)' }, { transform: 'rotate(0)' }],
                                       { duration: 400, easing: 'ease-in-out', composite: 'add' }); break;
    case facts.kSkipped: pulse(seats[event.seat]?.lastChild, 'skip'); break;
    case facts.kOneCard: pulse(seats[event.seat]?.lastChild, 'zot'); break;
    default: break;
  }
}

// Movements only for what happens while the player watches: not for the
// saved match the page restores as it opens.
export function setLive(on) {
  live = on;
}

export function init() {
  felt = document.getElementById('felt');
  fx = document.getElementById('felt-fx');
  piles = document.getElementById('piles');
  hand = document.getElementById('hand');
  stock = document.getElementById('draw-pile');
  discard = piles.appendChild(picture('c0', 'card-picture discard'));
  strip = piles.appendChild(picture('k0', 'strip'));
  owed = piles.appendChild(document.createElement('b'));
  owed.className = 'owed';
  owed.hidden = true;
  owed.setAttribute('aria-hidden', 'true');
  ring = document.getElementById('flow');
}
