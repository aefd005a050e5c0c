// The script of one simulated match for the end-to-end test of Zot.exe: what
// the human clicks, which dialogs open and how they are answered, and after how
// many moves the table must look like the model's. Same engine, same human
// policy as zot-sim; the clicks are placed where that policy's choice is drawn.
//   e2e_plan --seed S [--players P] [--rules R] [--length L] [--menu ID,ID.. [--house BITS]]
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
//                         score P0,P1,P2,P3 S0,S1,S2,S3 | won | lost | house BITS (the
//                         House rules command's switches, kHouse* bits, checked, then OK)
//   over N                the match ended after N moves
//   e2e_plan --find S COUNT [settings]   seeds from S whose match shows every dialog
// What a screen reader finds in Zot.exe (access_test.sh), as zot_reader prints it: the table after N
// moves (-1: idle) with card I selected (-1: none) in a W x H client area, the replies of L, C and T;
// the names of the cards and seats.
//   e2e_plan [settings] --tree N --selected I --client W,H | --say N | --names
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
#include "game/table_input.h"
#include "tools/sim/headless.h"
#include "words/names.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

// Presses aim at the middle of what they press.
constexpr int kHandY = kHandTop + kCardHeight / 2;
constexpr int kDrawPileX = kDrawPile.x + kDrawPile.w / 2;
constexpr int kDrawPileY = kDrawPile.y + kDrawPile.h / 2;

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
int houseRules = 0;

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
    if (id == IDM_HOUSE_RULES) std::fprintf(out, "dialog house %d\n", houseRules);
    if (CommandStartsMatch(id) || (id == IDM_HOUSE_RULES && ApplyHouseRules(houseRules))) StartMatch();
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

// The table after `moves` moves; before the start for a negative number.
void Replay(const MatchSettings& settings, long moves) {
  SetUpTable(settings);
  if (moves < 0) return;
  Summary summary;
  std::FILE* sink = std::fopen("/dev/null", "w");
  Open(settings, sink, &summary);
  std::fclose(sink);
  StepResult last;
  StepMoves(moves, &last);
}

// The table after `moves` moves, drawn by the game's own scene code.
bool Picture(const MatchSettings& settings, long moves, const char* path) {
  Replay(settings, moves);
  CreateFrameBuffer(kFrameWidth, kFrameHeight);
  LoadSprites();
  if (frameBuffer == nullptr) return false;
  DrawTable();
  return WritePng(path, frameBuffer->width, frameBuffer->height, FrameRgb(*frameBuffer));
}

const char* picturePath = nullptr;
long pictureMoves = 0;
const char* readerModel = nullptr;  // "tree" or "say"
int selectedCard = -1;
int clientWidth = kFrameWidth;
int clientHeight = kFrameHeight;
std::string lastSaid;

// MSAA's roles and states as zot_reader prints them.
constexpr long kClient = 10, kList = 33, kItem = 34, kText = 41, kButton = 43;
constexpr long kSelected = 0x2, kFocused = 0x4, kReadonly = 0x40, kFocusable = 0x100000, kSelectable = 0x200000;

// One line as zot_reader prints it; children -1 for a simple element.
void Print(int depth, long role, const std::string& name, const std::string& texts, long state, const TableRect& at,
           bool hit, int children = -1) {
  std::printf("%*s%ld \"%s\"%s", depth * 2, "", role, name.c_str(), texts.c_str());
  if (state != 0) std::printf(" state=%lx", state);
  std::printf(" at=%d,%d,%d,%d%s", at.x, at.y, at.w, at.h, hit && at.w > 0 ? " hit" : "");
  std::printf(children >= 0 ? " children=%d\n" : "\n", children);
}

std::string Quoted(const char* label, const std::string& text) { return std::string(label) + "\"" + text + "\""; }

// Zot.exe's accessible table as zot_reader prints it.
void PrintTree() {
  const GameTable& t = gameTable;
  const TableLines lines = DescribeTable();
  const int players = PlayersInRange(t.playerCount);
  const int n = PileCount(t.hands[kHumanSeat]);
  handSelection = {selectedCard, selectedCard >= 0};
  const int chosen = SelectedHandCard();
  const TableRect shown{0, 0, clientWidth, clientHeight};
  const int left = HandCardLeft(n, 0);
  const TableRect hand = n == 0 ? TableRect{0, 0, 0, 0}
                                : TableRect{left, kHandTop, HandCardLeft(n, n - 1) + kCardWidth - left, kCardHeight};
  Print(0, kClient, Word(IDS_TABLE), "", kFocusable | (chosen < 0 ? kFocused : 0), shown, false,
        t.dealActive ? 5 + players : 4);
  Print(1, kList, Word(IDS_HAND), "", 0, hand, true, n);
  for (int i = 0; i < n; ++i) {
    const std::string playable = HandCardPlayable(i) ? Quoted(" description=", Word(IDS_PLAYABLE)) : "";
    Print(2, kItem, CardName(t.hands[kHumanSeat].cards[i]), playable + Quoted(" action=", Word(IDS_ACTION_PLAY)),
          kFocusable | kSelectable | (i == chosen ? kFocused | kSelected : 0),
          {HandCardLeft(n, i), kHandTop, kCardWidth, kCardHeight}, true);
  }
  Print(1, kButton, Word(IDS_DRAW_PILE),
        Quoted(" value=", CardCount(PileCount(t.drawPile))) +
            Quoted(" action=", Word(t.dealActive ? IDS_ACTION_DRAW : IDS_ACTION_START)),
        0, kDrawPile, true);
  if (t.dealActive) {
    Print(1, kText, lines.top, "", kReadonly, kDiscardPile, true);
    for (int seat = 1; seat < players; ++seat) {
      Print(1, kText, SeatLine(seat), "", kReadonly, OpponentFan(t.playerCount, seat, PileCount(t.hands[seat])), true);
    }
  }
  Print(1, kText, lines.turn, "", kReadonly, shown, false);
  if (t.dealActive) Print(1, kText, lines.scores, "", kReadonly, shown, false);
  Print(1, kText, lastSaid, "", kReadonly, shown, false);
}

void PrintModel(const MatchSettings& settings, long moves) {
  // The phrase object holds the last thing said: an event said with another says nothing of its own.
  ListenAlong([](const TableEvent& event) {
    const std::string said = NarrateEvent(event);
    if (!said.empty()) lastSaid = said;
  });
  Replay(settings, moves);
  if (std::strcmp(readerModel, "tree") == 0) return PrintTree();
  for (const TableQueryKey& key : kTableQueryKeys) std::printf("%c %s\n", key.letter, AnswerQuery(key.query).c_str());
}

void PrintNames() {
  for (int code = 1; code <= kWildDrawFour; ++code) std::printf("card %d %s\n", code, CardName(code).c_str());
  for (int seat = 0; seat < kSeatCount; ++seat) std::printf("seat %d %s\n", seat, SeatName(seat).c_str());
}

bool ParseSettings(int argc, char** argv, MatchSettings* settings) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i], value = argv[i + 1];
    if (key == "--seed") settings->seed = std::atoll(value.c_str());
    else if (key == "--picture") picturePath = argv[i + 1];
    else if (key == "--moves") pictureMoves = std::atol(value.c_str());
    else if (key == "--tree" || key == "--say") {
      readerModel = argv[i] + 2;
      pictureMoves = std::atol(value.c_str());
    }
    else if (key == "--selected") selectedCard = std::atoi(value.c_str());
    else if (key == "--client") std::sscanf(value.c_str(), "%d,%d", &clientWidth, &clientHeight);
    else if (key == "--menu") {
      for (std::size_t at = 0; at < value.size();) {
        menuCommands.push_back(std::atoi(value.c_str() + at));
        const std::size_t comma = value.find(',', at);
        at = comma == std::string::npos ? value.size() : comma + 1;
      }
    }
    else if (key == "--house") houseRules = std::atoi(value.c_str());
    else if (key == "--players") settings->players = std::atoi(value.c_str());
    else if (key == "--rules") settings->rules = value == "until-playable" ? RuleVariant::kUntilPlayable : RuleVariant::kStandard;
    else if (key == "--length") settings->length = value == "to-500" ? MatchLength::kToFiveHundred : MatchLength::kOneDeal;
    else return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--names") == 0) {
    PrintNames();
    return 0;
  }
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
  if (readerModel != nullptr) {
    PrintModel(settings, pictureMoves);
    return 0;
  }
  return Plan(settings, stdout).ended ? 0 : 1;
}
