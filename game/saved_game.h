// The whole game as text, for the page to keep between visits, and back. Text
// because the browser keeps strings; versioned and strict because what comes back
// may be of another version, cut short or edited by hand, and must then be
// refused rather than played.
//
// The text, one field a line, in this order and written one way only:
//   zot-save 1
//   players 3            playerCount, 2..4
//   untilPlayable 0      drawUntilPlayable, 0 or 1
//   oneDeal 1            singleDealMatch, 0 or 1
//   sound 1              soundOn, 0 or 1
//   dealActive 1         0 or 1
//   direction -1         -1 or 1; 0 only before the first deal
//   turn 2               currentPlayer, a seat in play
//   color 0              currentColor, 0..3
//   pacing 412           ms since the pacing was armed or last fired; -1 disarmed
//   random 2846131371    the generator's state
//   draw AbX*...         drawPile, bottom first, a letter a card (below); - when empty
//   discard Q
//   hand0 ... hand3      hands; - for the seats not in play
//   points 0 0 0 0       handPoints, 0..1240 (the whole deck's points)
//   scores 0 0 0 0       matchScores, 0..1739 (under 500 before the deal, plus a deal)
//   tally2 p w l p w l   matches of two players: played, won, lost; one-deal, then to 500
//   tally3 ... tally4
//   streak 2 5           current and best run of matches won
//   counted 1            the match under way already counts as played
//   house 5              version 2 only: the house rules on (kHouse* bits, 1..7)
//   pending 6            version 2 only: the stacked total the seat to move owes, 0..32
//   zot 2                version 2 only: the human's Zot (kZotNone, kZotSaid, kZotOwed)
//   end
// A game without house rules is written as version 1, as every save before them
// was: those saves restore as games without house rules.
// Cards: codes 1..52 as A..Z then a..z (thirteen letters a colour), 53 as *, 54 as +.
// Numbers are decimal, without leading zeros, signed only where -1 may stand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/pacing.h"
#include "game/statistics.h"
#include "game/table_record.h"

struct SavedGame {
  GameTable table;                 // lastTurnTick is not kept: ticks restart with each page
  std::uint32_t randomState;
  std::int32_t pacingElapsedMs;    // ms since the pacing was last armed or fired, -1 when disarmed
  MatchStatistics statistics;
};

// The versions this build writes and reads: the first line's number; the newest
// is written only for a game with a house rule on.
constexpr std::uint32_t kFirstSavedGameVersion = 1;
constexpr std::uint32_t kSavedGameVersion = 2;
// Longer texts are refused unread; a save of this version stays under 700 bytes.
constexpr std::size_t kMaxSavedGameBytes = 4096;
// A page asleep for hours owes the computer seat one move, not a backlog: the
// pacing comes back at most this far along, which is already due.
constexpr std::int32_t kMaxRestoredPacingMs = kTurnIntervalMs + 1;

// gameTable, randomState and matchStatistics at tick `now`. The hands of seats not
// in play are left out: nothing reads them and their cards are dealt again.
SavedGame CaptureGame(std::uint32_t now);
// Puts it all back. The pacing resumes where it stood: armed at now - elapsed, so
// a move that was due is due at once.
void RestoreGame(const SavedGame& saved, std::uint32_t now);

std::string EncodeSavedGame(const SavedGame& saved);
// False, and *out untouched, for anything that is not a save of this version
// describing a game that can be.
bool DecodeSavedGame(std::string_view text, SavedGame* out);
// The version the text's first line names ("zot-save N"), whatever follows and
// however long the text, or 0 when it begins with no such line. A save of a
// newer version is another build's game: this one neither reads it nor
// writes over it.
std::uint32_t SavedGameVersion(std::string_view text);
