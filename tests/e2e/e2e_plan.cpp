// The script of one simulated match for the end-to-end test of Zot.exe: what
// the human clicks, which dialogs open and how they are answered, and after how
// many moves the table must look like the model's. Same engine, same human
// policy as zot-sim; the clicks are placed where that policy's choice is drawn.
//   e2e_plan --seed S [--players P] [--rules R] [--length L]
// prints one step a line:
//   start                 click on the idle table (starts the match)
//   table N               the window shows the table after N moves
//   click X Y             a press at client coordinates
//   dialog KIND [ARG]     a dialog opens and is answered: color C | drawn yes |
//                         score P0,P1,P2,P3 S0,S1,S2,S3 | won | lost
//   over N                the match ended after N moves
//   e2e_plan --find S COUNT   seeds from S with a short match that shows every dialog
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/players.h"
#include "game/rules.h"
#include "game/table.h"
#include "tools/sim/headless.h"

namespace {

constexpr int kHandY = 295;
constexpr int kDrawPileX = 260;
constexpr int kDrawPileY = 170;

struct Summary {
  long moves = 0;
  bool ended = false;
  bool humanWild = false;
  bool drawnQuestion = false;
  bool firstWild = false;
  bool won = false;
};

void Dialogs(std::FILE* out, const MoveRecord& move, const MatchSettings& settings, Summary* summary) {
  if (move.dealEnded) {
    // The eight fields as the score dialog shows them: hand points, then scores.
    std::fprintf(out, "dialog score");
    for (const std::int32_t* values : {move.points, move.scores}) {
      for (int seat = 0; seat < kSeatCount; ++seat) {
        if (seat < 2 || seat < move.players) {
          std::fprintf(out, "%c%d", seat ? ',' : ' ', static_cast<int>(values[seat]));
        } else {
          std::fprintf(out, "%cN/A", seat ? ',' : ' ');
        }
      }
    }
    std::fprintf(out, "\n");
    if (move.matchOver) {
      std::fprintf(out, "dialog %s\n", move.won ? "won" : "lost");
      summary->won = move.won;
    } else if (move.nextDeal && PileTop(move.deal.discard) == kWild) {
      std::fprintf(out, "dialog color %d\n", move.deal.color);
    }
  }
  (void)settings;
}

Summary Plan(const MatchSettings& settings, std::FILE* out) {
  Summary summary;
  SetUpTable(settings);
  DealRecord deal{};
  std::fprintf(out, "start\n");
  BeginMatch(&deal);
  if (PileTop(deal.discard) == kWild) {
    std::fprintf(out, "dialog color %d\n", deal.color);
    summary.firstWild = true;
  }
  for (;;) {
    const bool humanTurn = gameTable.dealActive && gameTable.currentPlayer == kHumanSeat;
    int x = 0, y = 0;
    CardCode chosen = kNoCard;
    if (humanTurn) {
      std::fprintf(out, "table %ld\n", summary.moves);
      const CardPile& hand = gameTable.hands[kHumanSeat];
      const int n = PileCount(hand);
      int index = -1;
      for (int i = 0; i < n && index < 0; ++i) {
        if (IsPlayable(kHumanSeat, hand.cards[i])) index = i;
      }
      if (index >= 0) {
        // Inside the part of the card that the next card leaves uncovered.
        const int left = HandCardLeft(n, index);
        const int visible = index + 1 < n ? HandCardLeft(n, index + 1) - left : 60;
        x = left + (visible + 1) / 2;
        y = kHandY;
        chosen = hand.cards[index];
        if (HandCardAt(n, x, y) != index) {
          std::fprintf(stderr, "e2e_plan: click (%d, %d) misses card %d\n", x, y, index);
          std::exit(1);
        }
      } else {
        x = kDrawPileX;
        y = kDrawPileY;
      }
      std::fprintf(out, "click %d %d\n", x, y);
    }
    MoveRecord move{};
    const StepResult result = StepMove(&move);
    if (result != StepResult::kMoved) break;
    ++summary.moves;
    if (humanTurn) {
      if (chosen != kNoCard && move.card != chosen) {
        std::fprintf(stderr, "e2e_plan: the policy played %d, not %d\n", move.card, chosen);
        std::exit(1);
      }
      const bool standard = settings.rules == RuleVariant::kStandard;
      if (move.drew && move.played && standard) {
        std::fprintf(out, "dialog drawn yes\n");
        summary.drawnQuestion = true;
      }
      if (move.played && (move.card == kWild || move.card == kWildDrawFour)) {
        std::fprintf(out, "dialog color %d\n", move.color);
        summary.humanWild = true;
      }
    }
    Dialogs(out, move, settings, &summary);
    if (move.matchOver) {
      summary.ended = true;
      break;
    }
  }
  std::fprintf(out, "over %ld\n", summary.moves);
  return summary;
}

bool ParseSettings(int argc, char** argv, MatchSettings* settings) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i], value = argv[i + 1];
    if (key == "--seed") settings->seed = std::atoll(value.c_str());
    else if (key == "--players") settings->players = std::atoi(value.c_str());
    else if (key == "--rules") settings->rules = value == "until-playable" ? RuleVariant::kUntilPlayable : RuleVariant::kStandard;
    else if (key == "--length") settings->length = value == "to-500" ? MatchLength::kToFiveHundred : MatchLength::kOneDeal;
    else return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--find") == 0) {
    const long long first = std::atoll(argv[2]);
    const int count = std::atoi(argv[3]);
    for (long long seed = first; seed < first + count; ++seed) {
      MatchSettings settings;
      settings.seed = seed;
      std::FILE* sink = std::fopen("/dev/null", "w");
      const Summary s = Plan(settings, sink);
      std::fclose(sink);
      if (s.ended && s.humanWild && s.drawnQuestion) {
        std::printf("seed=%lld moves=%ld won=%d firstWild=%d\n", seed, s.moves, s.won, s.firstWild);
      }
    }
    return 0;
  }
  MatchSettings settings;
  if (!ParseSettings(argc, argv, &settings)) {
    std::fprintf(stderr, "usage: e2e_plan --seed S [--players P] [--rules R] [--length L] | --find S COUNT\n");
    return 2;
  }
  return Plan(settings, stdout).ended ? 0 : 1;
}
