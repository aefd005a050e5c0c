// Plays a match move by move through the game's own entry points and builds what
// each move did from the table events the rules tell, and the cues and dialogs.
#include <cstring>

#include "game/match.h"
#include "game/entry.h"
#include "game/rules.h"
#include "game/settings.h"
#include "tools/sim/headless.h"
#include "tools/sim/headless_shell.h"
#include "tools/sim/trace.h"

namespace {

// A few seconds before the tick counter wraps, so every match paces across the wrap.
constexpr std::uint32_t kStartTick = 0xFFFFF000u;
constexpr int kIdleClickX = 300;
constexpr int kIdleClickY = 200;

struct Runner {
  std::int64_t seed;
  std::FILE* trace;
  int dealNumber;
  int movesThisDeal;
  bool over;
  CardColor color;      // in force and direction of play, as told
  int direction;
  MoveRecord* move;     // filled by the events of the step under way
  DealRecord* deal;     // filled by the next kDealt and its kHand
  int dealCueFrom;      // the first cue of this step a deal opened now may have played
};
Runner runner;
TableObserver alongListener = nullptr;

SoundCue LoggedCue(int i) {
  const HeadlessLog& log = headlessLog;
  const int kept = static_cast<int>(sizeof log.cues / sizeof log.cues[0]);
  return i < log.cueCount && i < kept ? log.cues[i] : nullptr;
}

bool ErrorCuePlayed() {
  for (int i = 0; i < headlessLog.cueCount; ++i) {
    if (LoggedCue(i) == IDW_ERROR) return true;
  }
  return false;
}

void Hear(const TableEvent& e) {
  const GameTable& t = gameTable;
  Runner& r = runner;
  MoveRecord* m = r.move;
  switch (e.kind) {
    case TableEventKind::kMatchStarted:
      r.dealNumber = 0;
      break;
    case TableEventKind::kDealt:
      ++r.dealNumber;
      r.movesThisDeal = 0;
      r.color = e.color;
      r.direction = e.direction;
      if (m) {
        m->nextDeal = true;
        r.deal = &m->deal;
      }
      if (r.deal) {
        *r.deal = DealRecord{r.dealNumber, t.playerCount, t.discardPile, e.color, e.direction, e.seat,
                             LoggedCue(r.dealCueFrom), {}};
      }
      break;
    case TableEventKind::kHand:
      if (r.deal) r.deal->hands[e.seat] = t.hands[e.seat];
      break;
    case TableEventKind::kDrew:
      if (m) {
        m->seat = e.seat;
        m->drew = true;
        m->drawn = e.card;
      }
      break;
    case TableEventKind::kPlayed:
      r.color = e.color;
      if (m) {
        m->seat = e.seat;
        m->played = true;
        m->card = e.card;
      }
      break;
    case TableEventKind::kKept:
      if (m) m->seat = e.seat;
      break;
    case TableEventKind::kReversed:
      r.direction = e.direction;
      break;
    case TableEventKind::kDealEnded:
      if (m) {
        m->dealEnded = true;
        m->color = r.color;
        m->direction = r.direction;
        m->turn = t.currentPlayer;
        std::memcpy(m->points, t.handPoints, sizeof m->points);
        std::memcpy(m->scores, t.matchScores, sizeof m->scores);
      }
      r.dealCueFrom = headlessLog.cueCount;
      break;
    case TableEventKind::kMatchEnded:
      r.over = true;
      if (m) m->matchOver = true;
      break;
    default:
      break;
  }
  if (r.trace) PrintTableEvent(r.trace, e, r.seed, r.dealNumber);
  if (alongListener) alongListener(e);
}

}  // namespace

void SetUpTable(const MatchSettings& settings) {
  GameTable& t = gameTable;
  t = GameTable{};
  mainWindow = nullptr;
  headlessLog = HeadlessLog{};
  headlessLog.calendarSeconds = settings.seed;
  headlessLog.tick = kStartTick;

  // What window creation does.
  StartUpTable();

  t.playerCount = settings.players;
  t.drawUntilPlayable = settings.rules == RuleVariant::kUntilPlayable ? 1 : 0;
  t.singleDealMatch = settings.length == MatchLength::kOneDeal ? 1 : 0;
  t.houseRules = settings.house;
  headlessLog.saysZot = settings.saysZot;
  runner = Runner{};
  runner.seed = settings.seed;
  SetTableObserver(Hear);
}

void BeginMatch(DealRecord* deal) {
  ResetStepLog();
  runner.deal = deal;
  runner.dealCueFrom = 0;
  OnTableClick(kIdleClickX, kIdleClickY);
  runner.deal = nullptr;
  runner.over = !gameTable.dealActive;
}

StepResult StepMove(MoveRecord* move) {
  GameTable& t = gameTable;
  if (runner.over || !t.dealActive) return StepResult::kMatchOver;
  if (runner.movesThisDeal >= kMaxMovesPerDeal) return StepResult::kStuck;
  const int seat = t.currentPlayer;
  if (seat >= t.playerCount) return StepResult::kStuck;

  // The policy's move: the first playable card of the hand, else the draw pile
  // (which takes a stacked total owed).
  const CardPile& hand = t.hands[seat];
  const int before = PileCount(hand);
  int firstPlayable = -1;
  for (int i = 0; i < before && firstPlayable < 0; ++i) {
    if (IsPlayable(seat, hand.cards[i])) firstPlayable = i;
  }

  ResetStepLog();
  headlessLog.tick += kMoveGapMs;
  *move = MoveRecord{};
  runner.move = move;
  runner.dealCueFrom = 0;
  ++runner.movesThisDeal;  // a deal opened by this move counts from zero
  if (seat == kHumanSeat) {
    // The switch, still armed from the computer moves, finds the human and disarms.
    if (TurnPacingDue(CurrentTick())) OnTurnTimer();
    if (firstPlayable < 0) {
      DrawFromPile();
    } else {
      if (headlessLog.saysZot && before == 2) SayZot();
      PlayHandCard(firstPlayable);
    }
  } else if (TurnPacingDue(CurrentTick())) {
    OnTurnTimer();
  } else {
    runner.move = nullptr;
    return StepResult::kStuck;
  }
  runner.move = nullptr;
  runner.deal = nullptr;
  if (ErrorCuePlayed()) return StepResult::kStuck;

  MoveRecord& m = *move;
  m.players = t.playerCount;
  if (!m.dealEnded) {
    m.color = runner.color;
    m.direction = runner.direction;
    m.turn = t.currentPlayer;
    m.cue = LoggedCue(0);
  }
  m.won = headlessLog.matchResult > 0;
  return StepResult::kMoved;
}

long StepMoves(long moves, StepResult* last) {
  MoveRecord move{};
  long made = 0;
  *last = StepResult::kMoved;
  while (made < moves && (*last = StepMove(&move)) == StepResult::kMoved) ++made;
  return made;
}

MatchTotals RunMatch(const MatchSettings& settings, std::FILE* trace) {
  MatchTotals totals;
  SetUpTable(settings);
  runner.trace = trace;
  DealRecord deal;
  BeginMatch(&deal);
  totals.deals = 1;
  MoveRecord move;
  for (;;) {
    const StepResult result = StepMove(&move);
    if (result != StepResult::kMoved) break;
    ++totals.moves;
    if (move.nextDeal) ++totals.deals;
    if (move.matchOver) {
      totals.ended = true;
      break;
    }
  }
  runner.trace = nullptr;
  return totals;
}

void ListenAlong(TableObserver listener) { alongListener = listener; }
