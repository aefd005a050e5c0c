#include <gtest/gtest.h>

#include "game/computer.h"
#include "game/pacing.h"
#include "game/rules.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

namespace {
// Four players, seat `seat` to move on a red 1 with red in force.
void SetUpTurn(int seat, std::initializer_list<int> hand, std::initializer_list<int> drawPile) {
  ResetAll(4);
  GameTable& t = gameTable;
  t.dealActive = 1;
  t.direction = 1;
  t.currentColor = kRed;
  t.currentPlayer = static_cast<std::uint8_t>(seat);
  SetPile(t.discardPile, {28});
  SetPile(t.drawPile, drawPile);
  SetPile(t.hands[seat], hand);
  for (int s = 0; s < 4; ++s) {
    if (s != seat) SetPile(t.hands[s], {53, 53});
  }
}
}  // namespace

TEST(Pacing, StrictIntervalAndTickWrap) {
  ResetAll();
  GameTable& t = gameTable;
  t.lastTurnTick = 5000;
  EXPECT_FALSE(TurnPacingDue(7000));  // not armed
  t.computerTurnPending = 1;
  EXPECT_FALSE(TurnPacingDue(6000));  // exactly 1000 ms
  EXPECT_TRUE(TurnPacingDue(6001));
  t.lastTurnTick = 0xFFFFFF00u;
  EXPECT_FALSE(TurnPacingDue(0x2E8u));  // 1000 ms across the wrap
  EXPECT_TRUE(TurnPacingDue(0x2E9u));
}

TEST(ComputerTurn, PlaysLastPlayableCard) {
  SetUpTurn(2, {32, 8, 39, 3}, {5});  // red 5, blue 7, red Skip, blue 2
  ComputerTurn(2);
  EXPECT_EQ(PileTop(gameTable.discardPile), 39);
  EXPECT_EQ(Cards(gameTable.hands[2]), (std::vector<int>{32, 8, 3}));
  EXPECT_EQ(gameTable.currentPlayer, 0);
  EXPECT_EQ(Events(), (std::vector<std::string>{"IDW_BOING"}));
}

TEST(ComputerTurn, DrawsAndPlaysOrPasses) {
  const struct {
    const char* name;
    int untilPlayable;
    std::initializer_list<int> hand, drawPile;
    int discardTop, turn, handAfter;
    const char* cue;
  } cases[] = {
      {"drawn card playable", 0, {4, 5}, {30}, 30, 2, 2, "IDW_CLICK"},
      {"drawn card kept", 0, {4, 5}, {6}, 28, 2, 3, "IDW_CLICK"},
      {"kept, seat keeps the turn", 1, {4, 5}, {6}, 28, 1, 3, "IDW_CLICK"},
      {"nothing to draw passes", 1, {4, 5}, {}, 28, 2, 2, "IDW_CLICK"},
      {"drawn card played, one left", 0, {4}, {29}, 29, 2, 1, "IDW_ZOT"},
      {"one card left after passing", 1, {4}, {}, 28, 2, 1, "IDW_ZOT"},
      {"one card left after a play", 0, {30, 4}, {}, 30, 2, 1, "IDW_ZOT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUpTurn(1, c.hand, c.drawPile);
    gameTable.drawUntilPlayable = c.untilPlayable;
    ComputerTurn(1);
    EXPECT_EQ(PileTop(gameTable.discardPile), c.discardTop);
    EXPECT_EQ(gameTable.currentPlayer, c.turn);
    EXPECT_EQ(PileCount(gameTable.hands[1]), c.handAfter);
    EXPECT_EQ(Events(), (std::vector<std::string>{c.cue}));
  }
}

TEST(ComputerTurn, GoingOutEndsTheDealWithPenaltyCounted) {
  SetUpTurn(1, {37}, {5, 6});  // red Draw Two as the last card
  gameTable.computerTurnPending = 1;
  ComputerTurn(1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"render", "IDW_LOSE", "DealScores", "IDW_LOSE", "MatchLost"}));
  EXPECT_EQ(gameTable.handPoints[2], 100 + 5 + 4);  // two Wilds and the two penalty cards
  EXPECT_EQ(gameTable.matchScores[1], 100 + 100 + 109);
  EXPECT_FALSE(gameTable.computerTurnPending);
}

TEST(OnTurnTimer, PacesComputerSeatsAndDisarmsForTheHuman) {
  SetUpTurn(1, {4, 29}, {});
  SetPile(gameTable.hands[2], {30, 31});
  SetPile(gameTable.hands[3], {32, 33});
  SetPile(gameTable.hands[0], {34, 35});
  fakeShell.tick = 0xFFFFFC00u;  // the loop runs across the tick wrap
  ArmTurnPacing();
  std::vector<std::uint32_t> moves;
  for (int i = 0; i < 5000 && gameTable.computerTurnPending; ++i) {
    ++fakeShell.tick;
    if (!TurnPacingDue(fakeShell.tick)) continue;
    const int mover = gameTable.currentPlayer;
    const std::size_t before = fakeShell.events.size();
    OnTurnTimer();
    EXPECT_EQ(gameTable.lastTurnTick, fakeShell.tick);
    if (mover != 0) {
      moves.push_back(fakeShell.tick);
      EXPECT_EQ(fakeShell.events.back(), "render");
    } else {
      EXPECT_EQ(fakeShell.events.size(), before);  // no redraw when disarming
    }
  }
  EXPECT_EQ(moves, (std::vector<std::uint32_t>{0xFFFFFC00u + 1001, 0xFFFFFC00u + 2002, 0xFFFFFC00u + 3003}));
  EXPECT_EQ(gameTable.currentPlayer, 0);
  EXPECT_FALSE(gameTable.computerTurnPending);
  EXPECT_EQ(gameTable.lastTurnTick, 0xFFFFFC00u + 4004);
}
