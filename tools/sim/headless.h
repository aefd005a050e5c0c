// Headless matches: the shell operations answered by a fixed human policy, and a
// runner that plays a match one move at a time and reports what each move did.
//
// Using it from another tool (e.g. to picture the table after N moves):
//   - link zot_headless and zot_game, plus either zot_headless_norender (a
//     RenderTable that draws nothing) or the real drawing, which then supplies
//     RenderTable itself (zot_game needs it, so an archive holding it must come
//     after zot_game on the link line, or be an object library as norender is);
//   - SetUpTable(settings) puts the table in its start-up state for calendar time
//     settings.seed, BeginMatch(&deal) is the first click on the idle table;
//   - call StepMove(&move) N times (stop early on a result other than kMoved);
//     gameTable then holds the table as the program would show it after N moves,
//     ready for RenderTable(mainWindow) or for drawing into the frame buffer.
// The records are built from the table events the rules tell during the move and
// from the cues and dialogs the headless shell saw; RunMatch's trace prints the
// events themselves, so the two cannot disagree.
#pragma once

#include <cstdint>
#include <cstdio>

#include "game/cards.h"
#include "game/events.h"
#include "game/shell.h"
#include "game/table.h"

enum class RuleVariant : std::uint8_t { kStandard, kUntilPlayable };
enum class MatchLength : std::uint8_t { kOneDeal, kToFiveHundred };

struct MatchSettings {
  std::int64_t seed = 0;  // calendar seconds at start-up: the generator's seed
  int players = 4;        // 2..4
  RuleVariant rules = RuleVariant::kStandard;
  MatchLength length = MatchLength::kOneDeal;
  std::uint8_t house = 0;  // the house rules on, kHouse* bits
  bool saysZot = false;    // the human says Zot before a play from two cards
};

// A deal as StartDeal told it, after the first discard's effect.
struct DealRecord {
  int number;             // 1 for the first deal of the match
  int players;
  CardPile discard;
  CardColor color;
  int direction;
  int turn;
  SoundCue cue;           // the cue StartDeal played; null for none
  CardPile hands[kSeatCount];
};

// One move of one seat.
struct MoveRecord {
  int seat;
  bool drew;              // the seat's own DrawCard was called
  CardCode drawn;         // what it returned, 0 when no card could be had
  bool played;            // a card went onto the discard pile (else the move kept)
  CardCode card;
  CardColor color;        // colour and direction as the events told them, and the seat
  int direction;          // to move, right after the move (before any following deal
  int turn;               // opened)
  SoundCue cue;           // the cue the move played; null when the hand emptied
  bool dealEnded;
  int players;
  std::int32_t points[kSeatCount];  // handPoints and matchScores after scoring
  std::int32_t scores[kSeatCount];
  bool nextDeal;          // a following deal opened: see deal
  DealRecord deal;
  bool matchOver;
  bool won;               // the human won the match
};

enum class StepResult : std::uint8_t {
  kMoved,      // one move made (the record says whether it ended the match)
  kMatchOver,  // nothing to do: the match had already ended
  kStuck,      // no way forward: computer to move but pacing not armed, a
               // refused human press, or a deal running past kMaxMovesPerDeal
};

constexpr int kMaxMovesPerDeal = 100000;
// Simulated milliseconds between moves; the pacing wants more than 1000.
constexpr std::uint32_t kMoveGapMs = 1001;

// Start-up as the program does it: every field zero, the window's defaults,
// SeedRandom (calendar time = seed), BuildDeck, ShuffleDrawPile; then the settings.
void SetUpTable(const MatchSettings& settings);
// One click on the idle table: StartMatch. Fills the first deal's record.
void BeginMatch(DealRecord* deal);
// Exactly one move: the human policy's press through OnTableClick, or one
// computer move through the pacing test and OnTurnTimer.
StepResult StepMove(MoveRecord* move);
// Up to `moves` moves, stopping at the first step that makes none; the moves made
// and, in *last, the last step's result (kMoved when all were made).
long StepMoves(long moves, StepResult* last);

struct MatchTotals {
  int deals = 0;
  long moves = 0;
  bool ended = false;  // the match came to its end (no stuck state)
};
// A whole match; writes its trace, one line per table event, when trace is not null.
MatchTotals RunMatch(const MatchSettings& settings, std::FILE* trace);

// Hands every table event on to `listener` too (null: nobody), after the runner has
// taken it, for checks that look at the table as it is at each event.
void ListenAlong(TableObserver listener);
