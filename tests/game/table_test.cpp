#include <gtest/gtest.h>

#include <algorithm>

#include "game/cards.h"
#include "game/pacing.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

TEST(Pile, RemoveAtClosesUp) {
  CardPile pile;
  SetPile(pile, {27});
  PileRemoveAt(pile, 0);
  EXPECT_EQ(PileCount(pile), 0);
  SetPile(pile, {3, 9, 27});
  PileRemoveAt(pile, 1);
  EXPECT_EQ(Cards(pile), (std::vector<int>{3, 27}));
}

TEST(DrawCard, TakesTopIntoHandOrReturnsIt) {
  ResetAll();
  GameTable& t = gameTable;
  SetPile(t.drawPile, {11, 35, 7});
  SetPile(t.hands[2], {40, 53});
  EXPECT_EQ(DrawCard(2), 7);
  EXPECT_EQ(Cards(t.drawPile), (std::vector<int>{11, 35}));
  EXPECT_EQ(Cards(t.hands[2]), (std::vector<int>{40, 53, 7}));
  EXPECT_EQ(DrawCard(-1), 35);
  EXPECT_EQ(Cards(t.hands[2]), (std::vector<int>{40, 53, 7}));
  EXPECT_EQ(Cards(t.drawPile), (std::vector<int>{11}));
}

TEST(DrawCard, RefillsFromDiscardKeepingTheTop) {
  ResetAll();
  GameTable& t = gameTable;
  SetPile(t.discardPile, {5, 18, 54, 30});
  t.currentColor = kRed;
  randomState = 1;
  for (int i = 0; i < 400; ++i) NextRandom();
  const std::uint32_t after400 = randomState;  // one shuffle's worth
  randomState = 1;
  const int drawn = DrawCard(1);
  EXPECT_EQ(randomState, after400);
  EXPECT_EQ(Cards(t.discardPile), (std::vector<int>{30}));
  EXPECT_EQ(t.currentColor, kRed);
  EXPECT_EQ(Cards(t.hands[1]), (std::vector<int>{drawn}));
  std::vector<int> all = Cards(t.drawPile);
  ASSERT_EQ(all.size(), 2u);
  all.push_back(drawn);
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, (std::vector<int>{5, 18, 54}));

  // Nothing left to refill from: no card, nothing moves.
  SetPile(t.drawPile, {});
  SetPile(t.hands[1], {12});
  randomState = 1;
  EXPECT_EQ(DrawCard(1), 0);
  EXPECT_EQ(randomState, after400);  // the empty refill still shuffles
  EXPECT_EQ(Cards(t.hands[1]), (std::vector<int>{12}));
  EXPECT_EQ(Cards(t.discardPile), (std::vector<int>{30}));
  EXPECT_EQ(PileCount(t.drawPile), 0);
}

TEST(ScoreHands, CountsSeatsInPlayAndCreditsWinner) {
  ResetAll(3);
  GameTable& t = gameTable;
  SetPile(t.hands[1], {53, 8});
  SetPile(t.hands[2], {39, 14});
  SetPile(t.hands[3], {54});  // not in play
  t.matchScores[0] = 100;
  t.handPoints[3] = -7;
  t.matchScores[3] = 42;
  ScoreHands(0);
  EXPECT_EQ(std::vector<int>(t.handPoints, t.handPoints + 4), (std::vector<int>{0, 57, 20, -7}));
  EXPECT_EQ(std::vector<int>(t.matchScores, t.matchScores + 4), (std::vector<int>{177, 0, 0, 42}));

  ResetAll(4);
  SetPile(t.hands[0], {2});
  SetPile(t.hands[1], {3});
  SetPile(t.hands[3], {53});
  ScoreHands(2);
  EXPECT_EQ(std::vector<int>(t.matchScores, t.matchScores + 4), (std::vector<int>{0, 0, 53, 0}));
}

TEST(Pacing, ArmStampsAndDisarmKeepsTheStamp) {
  ResetAll();
  fakeShell.tick = 1234;
  ArmTurnPacing();
  EXPECT_TRUE(gameTable.computerTurnPending);
  EXPECT_EQ(gameTable.lastTurnTick, 1234u);
  fakeShell.tick = 5000;
  DisarmTurnPacing();
  EXPECT_FALSE(gameTable.computerTurnPending);
  EXPECT_EQ(gameTable.lastTurnTick, 1234u);
}
