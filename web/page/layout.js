// Where the table, the table in words and the hand go on the screen. The
// page's own table (the default) takes the room the hand and the words leave:
// on a screen wider than tall the words beside it and the hand's cards as
// large as fit in rows along its foot; upright the hand under it, in as many
// rows as it needs, and the words under that. The classic 600 x 400 picture
// stays exactly what it is: enlarged, each of its pixels becomes a square of
// whole device pixels (k x k), placed on whole device pixels, at every device
// pixel ratio, so it stays sharp. The words go beside
// the table where there is room, under it otherwise, never over it. On touch
// screens whose table cards come out narrower than a finger, the hand is also
// shown large as buttons: under the table when the screen stands upright,
// beside it when it lies on its side.

import { kFrameWidth as kWidth, kFrameHeight as kHeight, kHandCardStrip as kCardStrip } from 'zot-facts';

// Least size of a card a finger can hit, and the most a card is drawn at.
const kMinCard = 44, kMaxCard = 96, kGap = 6, kLift = 14;
// Felt a phone may lose at each side to show the table across its width
// (the Windows window, too, shows less than the whole frame).
const kMaxCrop = 8;
let game = null, board = null, frame = null, canvas = null, panel = null, hand = null, pile = null, handCards = 0;
let folded = false;
let resolutionQuery = null, classic = false;
// The page's own table: its largest card, the words' column beside it, and
// the least share of the height the felt keeps over the hand.
const kMaxFeltCard = 150, kPanelNarrow = 240, kPanelWide = 420, kFeltShare = 0.5, kFeltLeast = 230;

const touch = () => matchMedia('(pointer: coarse)').matches;

// Room for the hand: the card size, up to `most`, that shows `count` buttons in
// `width` x `height`, or the least size (the hand then scrolls) when none does.
function cardSize(count, width, height, most = kMaxCard) {
  for (let size = most; size > kMinCard; --size) {
    const perRow = Math.max(1, Math.floor((width + kGap) / (size + kGap)));
    if (Math.ceil(count / perRow) * (size * 1.5 + kGap) <= height) return size;
  }
  return kMinCard;
}

// The largest whole k whose table fits `width` x `height` CSS px, allowing
// `crop` table pixels at each side; 0 when not even k = 1 fits.
function wholeScale(width, height, ratio, crop) {
  return Math.max(0, Math.floor(Math.min(width * ratio / (kWidth - 2 * crop), height * ratio / kHeight)));
}

// The table in words needs room of its own: beside the table a column from
// kPanelLeast to kPanelMost wide, under it a band of kPanelOpen, or up to
// kPanelTall where an upright phone has the room (kPanelFolded once the player
// folds it away to its first line).
const kPanelLeast = 180, kPanelMost = 320, kPanelOpen = 128, kPanelTall = 200, kPanelFolded = 44;

// What the room calls for: the table's scale (k whole device pixels per table
// pixel, or a fraction below 1 on tiny screens), where the table in words goes
// (beside the table, or under it with its height) and the room of the large
// hand, if it shows.
function plan(width, height, ratio, coarse, folded) {
  const strip = (k) => kCardStrip * k / ratio;
  const fractionOf = (w, h) => Math.min(w / kWidth, h / kHeight);
  const size = (k, w, h) => (k ? { k, fraction: 0 } : { k: 0, fraction: fractionOf(w, h) });
  const band = folded ? kPanelFolded : kPanelOpen;
  const tableHeightOf = (t) => kHeight * (t.k ? t.k / ratio : t.fraction);
  if (!coarse) {
    // Beside when that gives the table at least the size under would.
    const beside = size(wholeScale(width - kPanelLeast, height, ratio, 0), width - kPanelLeast, height);
    const under = size(wholeScale(width, height - band, ratio, 0), width, height - band);
    if (!folded && (beside.k > under.k || (beside.k === under.k && beside.fraction >= under.fraction))) {
      return { ...beside, panel: { beside: true, h: tableHeightOf(beside) }, hand: null };
    }
    return { ...under, panel: { beside: false, h: band }, hand: null };
  }
  if (height >= width) {
    // Upright: the table across the width, its words under it, the hand under
    // them with room for two rows of cards at least.
    const handLeast = 2 * (kMinCard * 1.5 + kGap) + 2 * kGap;
    const t = size(wholeScale(width, height - handLeast - band, ratio, kMaxCrop), width, height - handLeast - band);
    const large = !t.k || strip(t.k) < kMinCard;
    // The words take what the hand's two rows leave, up to a few more lines.
    const words = folded ? band : Math.max(band, Math.min(kPanelTall, height - tableHeightOf(t) - handLeast));
    return { ...t, panel: { beside: false, h: words },
             hand: large ? { below: true, w: width, h: height - tableHeightOf(t) - words } : null };
  }
  // On its side: the table as large as fits over its words; when its cards come
  // out too narrow, the hand beside them, with room for three columns of cards.
  const whole = wholeScale(width, height - kPanelFolded, ratio, 0);
  if (whole && strip(whole) >= kMinCard) {
    return { k: whole, fraction: 0, panel: { beside: false, h: Math.min(band, height - tableHeightOf({ k: whole })) },
             hand: null };
  }
  const least = 3 * (kMinCard + kGap) + kGap;
  const t = size(wholeScale(width - least, height - kPanelFolded, ratio, 0), width - least, height - kPanelFolded);
  const tableWidth = kWidth * (t.k ? t.k / ratio : t.fraction);
  return { ...t, panel: { beside: false, h: Math.min(band, height - tableHeightOf(t)) },
           hand: { below: false, w: width - tableWidth, h: height } };
}

// The page's own table: only the hand's card size and the words' room are
// worked out here; the grid of page.css places the rest.
function fitFelt(room) {
  const wide = room.width > room.height;
  const panelWidth = wide ? Math.min(kPanelWide, Math.max(kPanelNarrow, room.width * 0.26)) : room.width;
  const panelHeight = wide ? room.height : (folded ? kPanelFolded : kPanelOpen);
  const handWidth = (wide ? room.width - panelWidth : room.width) - 2 * kGap;
  const feltHeight = wide ? room.height * kFeltShare : Math.max(kFeltLeast, room.height * 0.3);
  // Room over the cards for a raised one.
  const handHeight = room.height - feltHeight - (wide ? 0 : panelHeight) - 2 * kGap - kLift;
  const size = cardSize(Math.max(handCards, 1), handWidth, handHeight, kMaxFeltCard);
  hand.style.setProperty('--card-width', size + 'px');
  game.style.setProperty('--panel-width', panelWidth + 'px');
  game.style.setProperty('--panel-height', panelHeight + 'px');
  game.classList.toggle('wide', wide);
  panel.style.width = panel.style.height = '';
  placePile();
  game.classList.add('placed');
}

// The draw pile, a button of the hand, over its slot on the page's own table,
// wherever the table's seats and piles have put it.
export function placePile() {
  if (classic || !game) return;
  const slot = document.getElementById('pile-slot').getBoundingClientRect(), origin = game.getBoundingClientRect();
  Object.assign(pile.style, { left: slot.left - origin.left + 'px', top: slot.top - origin.top + 'px',
                              width: slot.width + 'px', height: slot.height + 'px' });
}

function fit() {
  const room = game.getBoundingClientRect();
  game.classList.toggle('felt', !classic);
  hand.classList.toggle('large', !classic);
  if (!classic) return fitFelt(room);
  game.classList.remove('wide');
  Object.assign(pile.style, { left: '', top: '', width: '', height: '' });
  const ratio = window.devicePixelRatio || 1;
  const p = plan(room.width, room.height, ratio, touch(), folded);
  const scale = p.k ? p.k / ratio : p.fraction;
  const tableWidth = kWidth * scale, tableHeight = kHeight * scale;
  const shown = Math.min(tableWidth, room.width - (p.hand && !p.hand.below ? p.hand.w : 0));
  canvas.style.width = tableWidth + 'px';
  canvas.style.height = tableHeight + 'px';
  // Whole multiples are drawn pixel for pixel; a table shrunk below its own
  // size is smoothed rather than losing rows and columns.
  canvas.style.imageRendering = p.k ? 'pixelated' : 'auto';
  frame.style.width = shown + 'px';
  frame.style.height = tableHeight + 'px';
  canvas.style.left = canvas.style.top = '0px';
  game.classList.toggle('beside', Boolean(p.hand && !p.hand.below));
  board.classList.toggle('beside', p.panel.beside);
  panel.style.width = (p.panel.beside ? Math.min(kPanelMost, room.width - shown) : shown) + 'px';
  panel.style.height = p.panel.h + 'px';
  hand.classList.toggle('large', Boolean(p.hand));
  if (p.hand) {
    const size = cardSize(Math.max(handCards, 1) + 1, p.hand.w - 2 * kGap, p.hand.h - 2 * kGap);
    hand.style.setProperty('--card-width', size + 'px');
  }
  // The picture starts on a whole device pixel: a phone a little narrower
  // than the table loses felt evenly at both sides.
  const box = canvas.getBoundingClientRect(), frameBox = frame.getBoundingClientRect();
  const cropped = (tableWidth - shown) / 2;
  const snap = (at) => Math.round(at * ratio) / ratio;
  const left = snap(frameBox.left - cropped) - box.left, top = snap(box.top) - box.top;
  canvas.style.left = left + 'px';
  canvas.style.top = top + 'px';
  game.classList.add('placed');
}

// A zoom or a move to a screen of another density changes the ratio; only a
// query on the current one tells when.
function watchResolution() {
  if (resolutionQuery) resolutionQuery.removeEventListener('change', onResolution);
  resolutionQuery = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
  resolutionQuery.addEventListener('change', onResolution);
}

function onResolution() {
  watchResolution();
  fit();
}

// The hand's size changes the room its cards need.
export function setHandCount(count) {
  if (count === handCards) return;
  handCards = count;
  fit();
}

// The classic table, or the page's own.
export function setClassic(on) {
  classic = on;
  if (game) fit();
}

// The table in words folded away to its first line, or open again.
export function setPanelFolded(fold) {
  if (fold === folded) return;
  folded = fold;
  if (game) fit();
}

export function init() {
  game = document.getElementById('game');
  board = document.getElementById('board');
  panel = document.getElementById('status');
  frame = document.getElementById('table-frame');
  canvas = document.getElementById('table');
  hand = document.getElementById('hand');
  pile = document.getElementById('draw-pile');
  // The room changes with the window, a turned phone, the browser's bars,
  // and the menu bar's height once its font has loaded.
  new ResizeObserver(fit).observe(game);
  watchResolution();
  fit();
}

