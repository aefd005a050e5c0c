// The table told in words: a phrase for every event the rules tell, the table
// as it stands in a few lines, and the replies of the keys that say it again.
// A screen reader hears them and the page shows them beside the picture, in
// both programs alike. Fed by the table's own events and by gameTable, and only
// with what the human may know: no phrase names a card of another seat's hand
// before it is played, nor anything of the draw pile but its size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/events.h"

// What the narrator has heard of the match so far.
struct Narration {
  int dealNumber = 0;                      // deals of this match told so far
  int dealWinner = -1;                     // who went out of the deal just ended; -1 while a deal is on
  std::vector<std::string> sinceYourMove;  // what was said since the human last played or drew
  // What lets a move be said in one line and the turn go unsaid where it follows.
  int drawsHeld = 0;                       // another seat's draws this turn, said with what it did next
  CardCode lastDrawn = kNoCard;            // the last of them
  int lastMover = -1;                      // the seat that last played or ended its move; -1 at a deal's start
  bool humanDrew = false;                  // the human's last move was a draw
  bool turnSaid = false;                   // the human's hand line said it is their turn
  bool totalOwed = false;                  // a stacked total is owed: its taking is a move said alone
};
extern Narration narration;

// Hears one event of the table (a program's table listener hands each on) and
// returns what is said of it: "" for nothing. A move is said in one line: a
// seat's draws with the card it then played (or alone once it keeps them),
// a card's effect on another seat and the call of one card left by the card
// itself, and the human's turn only where the line before does not tell it.
std::string NarrateEvent(const TableEvent& event);

// The table now, a line each: whose turn it is and the direction (the deal's
// end once it has ended; how to start on the idle table), the top card and the
// colour to match, every seat's number of cards and the draw pile's, the scores.
struct TableLines {
  std::string turn;
  std::string top;
  std::string counts;
  std::string scores;
};
TableLines DescribeTable();
// A seat's name and number of cards: "اللاعب الثاني: 5 أوراق".
std::string SeatLine(int seat);
// The human's hand counted and named, in phrase `stringId` (%1 the count, %2 the cards).
std::string HumanHandPhrase(int stringId);

// The keys that say the table again: the moves since the human's last, the
// counts, the top card with the colour to match.
enum class TableQuery : std::uint8_t { kMovesSinceYours, kCounts, kTop };
std::string AnswerQuery(TableQuery query);
// Their keys, by the Latin letter of the key's place (the Windows key code of
// the letter, the browser's "KeyL"): L, C and T.
struct TableQueryKey {
  TableQuery query;
  char letter;
};
extern const TableQueryKey kTableQueryKeys[3];
bool TableQueryOfLetter(char letter, TableQuery* query);
