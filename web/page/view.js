// The table in words, in sight beside the picture and to a screen reader: the
// module's own lines (whose turn it is, the top card and the colour to match,
// every seat's number of cards, the scores), the moves log that speaks every
// event the rules tell as it happens and shows the last few, and apart from it
// why a press did nothing and the replies of the keys that say the table
// again. The words are made in the module (words/), the same Zot.exe speaks;
// the module hands over only what the human may know. The player may fold the
// details away to the first line, and choose the classic table over the
// page's own; the page remembers both across visits.
import * as facts from 'zot-facts';
import * as layout from './layout.js';
import { preference, setPreference } from './store.js';

// Lines the log keeps; older ones have long been spoken.
const kKeptLines = 40;
const kFoldedKey = 'zot.status.folded', kClassicKey = 'zot.view.classic';
let log = null, reply = null, turn = null, top = null, seats = null, counts = null, scores = null;
let fold = null, more = null, strip = null, colorBar = null, shownColor = -1;

// A new line in a live list is spoken, even when it says what the last one said.
function addLine(list, text) {
  const line = document.createElement('p');
  line.textContent = text;
  list.append(line);
  while (list.childElementCount > kKeptLines) list.firstElementChild.remove();
}

// Every event the rules tell, in the module's words. A new match starts the
// log afresh; a refused press is no move, and is said apart from them; an
// event said with another, or by the next line, adds none.
export function tell(event) {
  if (event.kind === facts.kMatchStarted) log.replaceChildren();
  if (event.kind === facts.kRefused) say(event.text);
  else if (event.text) addLine(log, event.text);
}

// What is said apart from the moves: a refusal's reason, a key's reply. Only
// the newest shows; the next move clears it from sight.
export function say(text) {
  addLine(reply, text);
}

// The strip of the colour to match, as the table shows it.
function paintColor(color) {
  if (!colorBar || color === shownColor || color < 0 || color > 3) return;
  shownColor = color;
  const height = colorBar.height / 4;
  strip.getContext('2d').putImageData(colorBar, 0, -height * color, 0, height * color, colorBar.width, height);
}

// The lines, from the module's view of the table after every change.
export function show(view) {
  turn.textContent = view.turnLine;
  top.lastElementChild.textContent = view.topLine;
  top.hidden = !view.deal;
  if (view.deal) paintColor(view.color);
  counts.textContent = view.countsLine;
  // The scores in sight in a match to 500; to a reader in every match.
  scores.textContent = view.scoresLine;
  scores.classList.toggle('unseen', Boolean(view.oneDeal));
  seats.replaceChildren(...view.seats.map((seat, i) => {
    const item = document.createElement('li');
    item.textContent = seat.line;
    if (i === view.turn && !view.ended) item.setAttribute('aria-current', 'true');
    return item;
  }));
  // A reason or a reply stays in sight until something else happens.
  if (reply.lastElementChild && reply.dataset.turn !== view.turnLine + view.topLine) reply.replaceChildren();
  reply.dataset.turn = view.turnLine + view.topLine;
}

export function setPicture(name, picture) {
  if (name !== 'color-bar') return;
  colorBar = picture;
  strip.width = picture.width;
  strip.height = picture.height / 4;
}

function setFolded(folded) {
  more.classList.toggle('folded', folded);
  fold.setAttribute('aria-expanded', String(!folded));
  fold.setAttribute('aria-label', folded ? fold.dataset.unfold : fold.dataset.fold);
  layout.setPanelFolded(folded);
}

function setClassic(classic, choice) {
  choice.setAttribute('aria-pressed', String(classic));
  layout.setClassic(classic);
}

export function init() {
  [log, reply, turn, top, seats, counts, scores, fold, more, strip] = ['moves', 'reply', 'turn', 'top', 'seats',
    'counts', 'scores', 'fold', 'more', 'color'].map((name, i) => document.getElementById(i < 2 ? name : `status-${name}`));
  // Without storage the details show, as at a first visit.
  setFolded(preference(kFoldedKey) === '1');
  fold.addEventListener('click', () => {
    const now = fold.getAttribute('aria-expanded') === 'true';
    setFolded(now);
    setPreference(kFoldedKey, now ? '1' : '0');
  });
  const choice = document.getElementById('view-choice');
  setClassic(preference(kClassicKey) === '1', choice);
  choice.addEventListener('click', () => {
    const classic = choice.getAttribute('aria-pressed') !== 'true';
    setClassic(classic, choice);
    setPreference(kClassicKey, classic ? '1' : '0');
  });
}
