// The table in words, beside the picture: the module's own lines (whose turn
// it is, the top card and the colour to match, every seat's number of cards,
// the scores), the moves log that speaks every event the rules tell as it
// happens, and the replies of the keys that say the table again. The words
// are made in the module (words/), the same that Zot.exe speaks; the module
// hands over only what the human may know.
import * as facts from 'zot-facts';

// Lines the log keeps; older ones have long been spoken.
const kKeptLines = 40;
let log = null, top = null, turn = null, counts = null, scores = null, reply = null;

// A new line in the log is spoken, even when it says what the last one said.
function addLine(list, text) {
  const line = document.createElement('p');
  line.textContent = text;
  list.append(line);
  while (list.childElementCount > kKeptLines) list.firstElementChild.remove();
}

// Every event the rules tell, in the module's words. A new match starts the
// log afresh; a refused press is no move, and is said apart from them.
export function tell(event) {
  if (event.kind === facts.kMatchStarted) log.replaceChildren();
  if (event.kind === facts.kRefused) say(event.text);
  else addLine(log, event.text);
}

// What is said apart from the moves: a refusal's reason, a key's reply.
export function say(text) {
  addLine(reply, text);
}

// The lines, from the module's view of the table after every change.
export function show(view) {
  turn.textContent = view.turnLine;
  top.textContent = view.topLine;
  counts.textContent = view.countsLine;
  scores.textContent = view.deal ? view.scoresLine : '';
}

export function init() {
  log = document.getElementById('moves');
  reply = document.getElementById('reply');
  top = document.getElementById('status-top');
  turn = document.getElementById('status-turn');
  counts = document.getElementById('status-counts');
  scores = document.getElementById('status-scores');
}
