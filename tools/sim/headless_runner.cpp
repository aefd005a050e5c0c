// Plays a match move by move through the game's own entry points and works out,
// from the table before and after each move, what the move printed.
#include <cstring>

#include "game/match.h"
#include "game/players.h"
#include "game/rules.h"
#include "game/settings.h"
#include "tools/sim/headless.h"
#include "tools/sim/headless_shell.h"

namespace {

// A few seconds before the tick counter wraps, so every match paces across the wrap.
constexpr std::uint32_t kStartTick = 0xFFFFF000u;
constexpr int kIdleClickX = 300;
constexpr int kIdleClickY = 200;
constexpr int kHandClickY = 300;
constexpr int kDrawPileX = 260;
constexpr int kDrawPileY = 170;

struct Runner {
  int dealNumber;
  int movesThisDeal;
  bool over;
};
Runner runner;

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

void RecordDeal(DealRecord* deal, int number, SoundCue cue) {
  const GameTable& t = gameTable;
  deal->number = number;
  deal->players = t.playerCount;
  deal->discard = t.discardPile;
  deal->color = t.currentColor;
  deal->direction = t.direction;
  deal->turn = t.currentPlayer;
  deal->cue = cue;
  std::memcpy(deal->hands, t.hands, sizeof deal->hands);
}

void PrintCards(std::FILE* out, const CardPile& pile) {
  if (pile.cards[0] == kNoCard) {
    std::fputc('-', out);
    return;
  }
  for (int i = 0; i < kPileCapacity && pile.cards[i] != kNoCard; ++i) {
    std::fprintf(out, i ? ",%d" : "%d", pile.cards[i]);
  }
}

void PrintInts(std::FILE* out, const std::int32_t* values, int count) {
  for (int i = 0; i < count; ++i) std::fprintf(out, i ? ",%d" : "%d", static_cast<int>(values[i]));
}

const char* CueName(SoundCue cue) { return cue ? cue : "none"; }

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
  runner = Runner{0, 0, false};
}

void BeginMatch(DealRecord* deal) {
  ResetStepLog();
  OnTableClick(kIdleClickX, kIdleClickY);
  runner.dealNumber = 1;
  runner.movesThisDeal = 0;
  runner.over = !gameTable.dealActive;
  RecordDeal(deal, 1, LoggedCue(0));
}

StepResult StepMove(MoveRecord* move) {
  GameTable& t = gameTable;
  if (runner.over || !t.dealActive) return StepResult::kMatchOver;
  if (runner.movesThisDeal >= kMaxMovesPerDeal) return StepResult::kStuck;
  const int seat = t.currentPlayer;
  if (seat >= t.playerCount) return StepResult::kStuck;

  // Whether the seat will draw follows from its hand: both the computer and the
  // human policy draw exactly when no card of the hand is playable.
  const CardPile& hand = t.hands[seat];
  const int before = PileCount(hand);
  int firstPlayable = -1;
  for (int i = 0; i < before && firstPlayable < 0; ++i) {
    if (IsPlayable(seat, hand.cards[i])) firstPlayable = i;
  }
  const bool drew = firstPlayable < 0;
  const bool nothingToDraw = PileCount(t.drawPile) == 0 && PileCount(t.discardPile) <= 1;

  ResetStepLog();
  headlessLog.tick += kMoveGapMs;
  if (seat == kHumanSeat) {
    // The switch, still armed from the computer moves, finds the human and disarms.
    if (TurnPacingDue(CurrentTick())) OnTurnTimer();
    if (drew) {
      OnTableClick(kDrawPileX, kDrawPileY);
    } else {
      OnTableClick(HandCardLeft(before, firstPlayable) + 1, kHandClickY);
    }
  } else {
    if (!TurnPacingDue(CurrentTick())) return StepResult::kStuck;
    OnTurnTimer();
  }
  if (ErrorCuePlayed()) return StepResult::kStuck;
  ++runner.movesThisDeal;

  const HeadlessLog& log = headlessLog;
  MoveRecord& m = *move;
  m.seat = seat;
  m.drew = drew;
  m.drawn = kNoCard;
  m.played = true;
  m.dealEnded = log.scoresShown;
  m.nextDeal = false;
  m.matchOver = false;
  m.won = false;
  if (drew) {
    // A drawn card is kept at the end of the hand, or was played in the same
    // move (such a move never empties the hand, so the deal is still on).
    const int after = PileCount(hand);
    if (nothingToDraw) {
      m.played = false;
    } else if (after == before + 1) {
      m.drawn = hand.cards[after - 1];
      m.played = false;
    } else {
      m.drawn = PileTop(t.discardPile);
    }
  }

  if (m.dealEnded) {
    m.card = log.lastPlayed;
    m.color = log.color;
    m.direction = log.direction;
    m.turn = log.turn;
    m.cue = nullptr;
    m.players = t.playerCount;
    std::memcpy(m.points, log.points, sizeof m.points);
    std::memcpy(m.scores, log.scores, sizeof m.scores);
    if (log.matchResult != 0) {
      m.matchOver = true;
      m.won = log.matchResult > 0;
      runner.over = true;
    } else {
      m.nextDeal = true;
      ++runner.dealNumber;
      runner.movesThisDeal = 0;
      RecordDeal(&m.deal, runner.dealNumber, LoggedCue(log.cuesBeforeScores));
    }
  } else {
    m.card = m.played ? PileTop(t.discardPile) : kNoCard;
    m.color = t.currentColor;
    m.direction = t.direction;
    m.turn = t.currentPlayer;
    m.cue = LoggedCue(0);
  }
  return StepResult::kMoved;
}

MatchTotals RunMatch(const MatchSettings& settings, std::FILE* trace) {
  MatchTotals totals;
  SetUpTable(settings);
  if (trace) PrintMatchLine(trace, settings);
  DealRecord deal;
  BeginMatch(&deal);
  totals.deals = 1;
  if (trace) PrintDeal(trace, deal);
  MoveRecord move;
  for (;;) {
    const StepResult result = StepMove(&move);
    if (result == StepResult::kMatchOver) break;
    if (result == StepResult::kStuck) return totals;
    ++totals.moves;
    if (move.nextDeal) ++totals.deals;
    if (trace) PrintMove(trace, move);
    if (move.matchOver) {
      totals.ended = true;
      break;
    }
  }
  return totals;
}

void PrintMatchLine(std::FILE* out, const MatchSettings& settings) {
  std::fprintf(out, "match seed=%lld players=%d rules=%s length=%s\n", static_cast<long long>(settings.seed),
               settings.players, settings.rules == RuleVariant::kUntilPlayable ? "until-playable" : "standard",
               settings.length == MatchLength::kToFiveHundred ? "to-500" : "one-deal");
}

void PrintDeal(std::FILE* out, const DealRecord& deal) {
  std::fprintf(out, "deal n=%d discard=", deal.number);
  PrintCards(out, deal.discard);
  std::fprintf(out, " color=%d dir=%d turn=%d cue=%s\n", deal.color, deal.direction, deal.turn, CueName(deal.cue));
  for (int seat = 0; seat < deal.players; ++seat) {
    std::fprintf(out, "hand seat=%d cards=", seat);
    PrintCards(out, deal.hands[seat]);
    std::fputc('\n', out);
  }
}

void PrintMove(std::FILE* out, const MoveRecord& m) {
  if (m.drew) std::fprintf(out, "draw seat=%d card=%d\n", m.seat, m.drawn);
  if (m.played) {
    std::fprintf(out, "play seat=%d card=%d color=%d dir=%d turn=%d cue=%s\n", m.seat, m.card, m.color, m.direction,
                 m.turn, CueName(m.cue));
  } else {
    std::fprintf(out, "keep seat=%d turn=%d cue=%s\n", m.seat, m.turn, CueName(m.cue));
  }
  if (!m.dealEnded) return;
  std::fprintf(out, "end winner=%d points=", m.seat);
  PrintInts(out, m.points, m.players);
  std::fprintf(out, " scores=");
  PrintInts(out, m.scores, m.players);
  std::fputc('\n', out);
  if (m.nextDeal) PrintDeal(out, m.deal);
  if (m.matchOver) std::fprintf(out, "over result=%s\n", m.won ? "won" : "lost");
}
