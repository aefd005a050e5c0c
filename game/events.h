// What happens at the table, told by the rules as it happens, to whoever
// listens: the simulator's trace, Zot.exe's and the page's spoken moves, the
// page's statistics. One listener at a time; a program that sets none hears
// nothing.
// Events name cards as the rules know them: a listener that speaks to the
// player must itself keep the other seats' cards hidden.
#pragma once

#include <cstdint>

#include "game/cards.h"

enum class TableEventKind : std::uint8_t {
  kMatchStarted,  // a new match: the scores of the seats in play are zero
  kDealt,         // a deal is open, its first discard's effect applied and any
                  // colour named: `card` the top discard, `color`, `direction`,
                  // `seat` the seat that moves first
  kHand,          // `seat`'s hand as dealt (gameTable.hands[seat]); one per seat
                  // in play, in seat order, right after kDealt
  kDrew,          // `seat` drew `card` by its own move; kNoCard when none could be had
  kPlayed,        // `seat` played `card`; `color` is the colour in force after it
                  // (the colour named, for a wild)
  kPenalty,       // `seat` took `count` cards for a Draw Two or a Wild Draw Four
                  // (fewer than asked when the stock ran out)
  kSkipped,       // `seat` loses its turn
  kReversed,      // the direction of play is now `direction`
  kKept,          // `seat` drew and did not play: the card stays in the hand
  kOneCard,       // `seat`'s move left it one card
  kHumanTurn,     // the human (seat 0) is to move
  kDealEnded,     // `seat` went out; handPoints and matchScores hold the deal's score
  kMatchEnded,    // the match is over; `seat` won its last deal (0: the human won)
  kRefused,       // a press of the human's did nothing: `card` the card pressed (kNoCard:
                  // none there), `seat` the seat whose turn it was (0: the rules refused it)
  // The house rules' events.
  kStacked,       // a draw card was stacked: `seat` now owes `count` cards in all
  kSwapped,       // `seat` played a 7 and swapped hands with seat `count`
  kPassed,        // a 0 passed every hand to the next seat in `direction`
  kSaidZot,       // the human said Zot (`count` 1), or pressed for it when there was nothing to say (0)
  kCaught,        // the human's last card was caught unsaid: it took `count` cards
};
constexpr int kTableEventKinds = 19;

// Each kind's one-word name, as the simulator's trace and the listeners write it.
const char* TableEventName(TableEventKind kind);

struct TableEvent {
  TableEventKind kind;
  std::int8_t seat;
  CardCode card;
  CardColor color;
  std::int8_t direction;
  std::int8_t count;
};

using TableObserver = void (*)(const TableEvent& event);

// Null: nobody listens.
void SetTableObserver(TableObserver observer);
// For the rules: hands `event` to the listener, if there is one.
void TellTable(const TableEvent& event);
// The same for an event that names a seat and at most a card; the other fields zero.
void TellSeat(TableEventKind kind, int seat, CardCode card = kNoCard);
