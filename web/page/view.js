// The table in words, beside the picture: what a player who cannot see the
// canvas needs to play. The status tells the top card and the colour to match,
// whose turn it is and the direction, every seat's number of cards and the
// scores; the moves log speaks every event the rules tell, as it happens. The
// module hands over only what the human may know: no other seat's card is
// named here before it is played.
import { strings as W, colors } from 'zot-words';
import * as facts from 'zot-facts';

// Lines the log keeps; older ones have long been spoken.
const kKeptLines = 40;
let log = null, top = null, turn = null, counts = null, scores = null;
let dealNumber = 0, sinceYourMove = [];

const fill = (template, ...values) => template.replace(/%(\d)/g, (_, n) => values[n - 1]);
const list = (items) => items.join(W.IDS_LIST);
const seatName = (seat) => seat === 0 ? W.IDS_YOU : fill(W.IDS_SEAT, seat + 1);
const directionName = (direction) => direction < 0 ? W.IDS_ANTICLOCKWISE : W.IDS_CLOCKWISE;
const kActionFaces = [W.IDS_FACE_DRAW_TWO, W.IDS_FACE_REVERSE, W.IDS_FACE_SKIP];

// A card as the player calls it: colour and face, with the digits the cards show.
export function cardName(code) {
  if (code === facts.kWild) return W.IDS_WILD;
  if (code === facts.kWildDrawFour) return W.IDS_WILD_DRAW_FOUR;
  const face = (code - 1) % 13;
  return fill(W.IDS_CARD, colors[Math.floor((code - 1) / 13)], face <= 9 ? String(face) : kActionFaces[face - 10]);
}

// One phrase for each event, in the words of the string table.
function phrase(event) {
  const you = event.seat === 0, who = seatName(event.seat);
  switch (event.kind) {
    case facts.kMatchStarted:
      dealNumber = 0;
      return fill(W.IDS_SAY_MATCH, event.players);
    case facts.kDealt:
      return fill(W.IDS_SAY_DEAL, ++dealNumber, cardName(event.card), colors[event.color], directionName(event.direction));
    case facts.kHand:
      return you ? fill(W.IDS_SAY_HAND_YOU, event.cards.length, list(event.cards.map(cardName)))
        : fill(W.IDS_SAY_HAND, who, event.count);
    case facts.kDrew:
      if (!event.count) return fill(W.IDS_SAY_DREW_NONE, who);
      return you ? fill(W.IDS_SAY_DREW_YOU, cardName(event.card)) : fill(W.IDS_SAY_DREW, who);
    case facts.kPlayed:
      if (event.card === facts.kWild || event.card === facts.kWildDrawFour) {
        return you ? fill(W.IDS_SAY_WILD_YOU, cardName(event.card), colors[event.color])
          : fill(W.IDS_SAY_WILD, who, cardName(event.card), colors[event.color]);
      }
      return you ? fill(W.IDS_SAY_PLAYED_YOU, cardName(event.card)) : fill(W.IDS_SAY_PLAYED, who, cardName(event.card));
    case facts.kPenalty:
      return you ? fill(W.IDS_SAY_PENALTY_YOU, event.count) : fill(W.IDS_SAY_PENALTY, who, event.count);
    case facts.kSkipped:
      return you ? W.IDS_SAY_SKIPPED_YOU : fill(W.IDS_SAY_SKIPPED, who);
    case facts.kReversed:
      return fill(W.IDS_SAY_REVERSED, directionName(event.direction));
    case facts.kKept:
      return you ? W.IDS_SAY_KEPT_YOU : fill(W.IDS_SAY_KEPT, who);
    case facts.kOneCard:
      return you ? W.IDS_SAY_ONE_CARD_YOU : fill(W.IDS_SAY_ONE_CARD, who);
    case facts.kHumanTurn:
      return W.IDS_SAY_YOUR_TURN;
    case facts.kDealEnded: {
      const won = event.points.reduce((sum, points) => sum + points, 0);
      const totals = list(event.scores.map((score, seat) => `${seatName(seat)} ${score}`));
      return you ? fill(W.IDS_SAY_DEAL_WON_YOU, won, totals) : fill(W.IDS_SAY_DEAL_WON, who, won, totals);
    }
    case facts.kMatchEnded:
      return you ? W.IDS_SAY_MATCH_WON : W.IDS_SAY_MATCH_LOST;
    default:
      return '';
  }
}

// A new line in the log is spoken, even when it says what the last one said.
function say(text) {
  const line = document.createElement('p');
  line.textContent = text;
  log.append(line);
  while (log.childElementCount > kKeptLines) log.firstElementChild.remove();
}

export function tell(event) {
  const text = phrase(event);
  if (text === '') return;
  // What happened since the human last moved, to be heard again.
  const yours = event.seat === 0 && (event.kind === facts.kPlayed || event.kind === facts.kDrew);
  if (yours || event.kind === facts.kMatchStarted) sinceYourMove = [];
  sinceYourMove.push(text);
  say(text);
}

// The status, from the module's view of the table after every change.
export function show(view) {
  if (!view.deal) {
    top.textContent = W.IDS_STATUS_IDLE;
    turn.textContent = counts.textContent = scores.textContent = '';
    return;
  }
  const seats = view.counts.map((count, seat) => `${seatName(seat)} ${count}`);
  top.textContent = fill(W.IDS_STATUS_TOP, cardName(view.top), colors[view.color]);
  turn.textContent = view.turn === 0 ? fill(W.IDS_STATUS_TURN_YOU, directionName(view.dir))
    : fill(W.IDS_STATUS_TURN, seatName(view.turn), directionName(view.dir));
  counts.textContent = fill(W.IDS_STATUS_COUNTS, list(seats), view.draw);
  scores.textContent = fill(W.IDS_STATUS_SCORES, list(view.scores.map((score, seat) => `${seatName(seat)} ${score}`)));
}

// The keys that say again: the moves since yours, the card counts, the top
// card with the colour to match.
export function hearAgain(letter) {
  if (letter === 'l') say(sinceYourMove.length ? fill(W.IDS_SAY_LAST_MOVES, sinceYourMove.join(' ')) : W.IDS_SAY_NO_MOVES);
  else if (letter === 'c') say(counts.textContent || top.textContent);
  else if (letter === 't') say(top.textContent);
  else return false;
  return true;
}

export function init() {
  log = document.getElementById('moves');
  top = document.getElementById('status-top');
  turn = document.getElementById('status-turn');
  counts = document.getElementById('status-counts');
  scores = document.getElementById('status-scores');
}
