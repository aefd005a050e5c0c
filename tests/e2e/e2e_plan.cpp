// The script of one simulated match for the end-to-end test of Zot.exe: what
// the human clicks, which dialogs open and how they are answered, and after how
// many moves the table must look like the model's. Same engine, same human
// policy as zot-sim; the clicks are placed where that policy's choice is drawn.
//   e2e_plan --seed S [--players P] [--rules R] [--length L] [--menu ID,ID..]
//            [--picture OUT.png --moves N]
// With --menu the match is not started by a click but by those menu commands,
// sent one after the other to the freshly started program (each sets its
// setting and starts a match, as the menu does). With --picture it draws the
// table after N moves instead of printing the plan. The plan, one step a line:
//   start                 click on the idle table (starts the match)
//   menu ID               send menu command ID
//   table N               the window shows the table after N moves
//   click X Y I           a press at client coordinates: on card I of the hand, or
//                         on the draw pile when I is -1
//   dialog KIND [ARG]     a dialog opens and is answered: color C | drawn yes |
//                         score P0,P1,P2,P3 S0,S1,S2,S3 | won | lost
//   over N                the match ended after N moves
//   e2e_plan --find S COUNT [settings]   seeds from S whose match shows every dialog
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <vector>

#include "game/match.h"
#include "game/layout.h"
#include "gfx/framebuffer.h"
#include "gfx/pixels.h"
#include "gfx/scene.h"
#include "gfx/sprite.h"
#include "resources/resource.h"
#include "tools/render/png_writer.h"
#include "game/rules.h"
#include "game/settings.h"
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

std::vector<int> menuCommands;

// The program's start-up and the first match: a click on the idle table, or
// the menu commands.
void Open(const MatchSettings& settings, std::FILE* out, Summary* summary) {
  SetUpTable(settings);
  if (menuCommands.empty()) {
    DealRecord deal{};
    std::fprintf(out, "start\n");
    BeginMatch(&deal);
    if (PileTop(deal.discard) == kWild) {
      std::fprintf(out, "dialog color %d\n", deal.color);
      summary->firstWild = true;
    }
    return;
  }
  for (int id : menuCommands) {
    std::fprintf(out, "menu %d\n", id);
    ApplySettingCommand(id);
    if (CommandStartsMatch(id)) StartMatch();
    if (PileTop(gameTable.discardPile) == kWild) std::fprintf(out, "dialog color %d\n", gameTable.currentColor);
  }
}

Summary Plan(const MatchSettings& settings, std::FILE* out) {
  Summary summary;
  Open(settings, out, &summary);
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
      std::fprintf(out, "click %d %d %d\n", x, y, chosen != kNoCard ? HandCardAt(PileCount(gameTable.hands[kHumanSeat]), x, y) : -1);
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

// The table after `moves` moves, drawn by the game's own scene code.
bool Picture(const MatchSettings& settings, long moves, const char* path) {
  Summary summary;
  std::FILE* sink = std::fopen("/dev/null", "w");
  Open(settings, sink, &summary);
  std::fclose(sink);
  StepResult last;
  StepMoves(moves, &last);
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  LoadSprites();
  if (frameBuffer == nullptr) return false;
  DrawTable();
  return WritePng(path, frameBuffer->width, frameBuffer->height, FrameRgb(*frameBuffer));
}

const char* picturePath = nullptr;
long pictureMoves = 0;

bool ParseSettings(int argc, char** argv, MatchSettings* settings) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i], value = argv[i + 1];
    if (key == "--seed") settings->seed = std::atoll(value.c_str());
    else if (key == "--picture") picturePath = argv[i + 1];
    else if (key == "--moves") pictureMoves = std::atol(value.c_str());
    else if (key == "--menu") {
      for (std::size_t at = 0; at < value.size();) {
        menuCommands.push_back(std::atoi(value.c_str() + at));
        const std::size_t comma = value.find(',', at);
        at = comma == std::string::npos ? value.size() : comma + 1;
      }
    }
    else if (key == "--players") settings->players = std::atoi(value.c_str());
    else if (key == "--rules") settings->rules = value == "until-playable" ? RuleVariant::kUntilPlayable : RuleVariant::kStandard;
    else if (key == "--length") settings->length = value == "to-500" ? MatchLength::kToFiveHundred : MatchLength::kOneDeal;
    else return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "--find") == 0) {
    const long long first = std::atoll(argv[2]);
    const int count = std::atoi(argv[3]);
    MatchSettings base;
    if (!ParseSettings(argc - 3, argv + 3, &base)) return 2;
    for (long long seed = first; seed < first + count; ++seed) {
      MatchSettings settings = base;
      settings.seed = seed;
      std::FILE* sink = std::fopen("/dev/null", "w");
      const Summary s = Plan(settings, sink);
      std::fclose(sink);
      const bool standard = settings.rules == RuleVariant::kStandard;
      if (s.ended && s.humanWild && (s.drawnQuestion || !standard)) {
        std::printf("seed=%lld moves=%ld won=%d firstWild=%d\n", seed, s.moves, s.won, s.firstWild);
      }
    }
    return 0;
  }
  MatchSettings settings;
  if (!ParseSettings(argc, argv, &settings)) {
    std::fprintf(stderr,
                 "usage: e2e_plan --seed S [--players P] [--rules R] [--length L] [--menu IDS]"
                 " [--picture OUT --moves N] | --find S COUNT [settings]\n");
    return 2;
  }
  if (picturePath != nullptr) return Picture(settings, pictureMoves, picturePath) ? 0 : 1;
  return Plan(settings, stdout).ended ? 0 : 1;
}
