#include <gtest/gtest.h>

#include "game/rules.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

namespace {
void Top(int card, CardColor color) {
  SetPile(gameTable.discardPile, {5, card});
  gameTable.currentColor = color;
}
}  // namespace

TEST(IsPlayable, ColourFaceAndWildTop) {
  ResetAll();
  Top(33, kRed);  // red 6 by the code formula
  EXPECT_TRUE(IsPlayable(1, 36));    // red 9, colour
  EXPECT_TRUE(IsPlayable(1, 20));    // green 6, face
  EXPECT_FALSE(IsPlayable(1, 19));   // green 5
  EXPECT_FALSE(IsPlayable(1, 8));    // blue 7
  EXPECT_FALSE(IsPlayable(1, 13));   // blue Skip
  EXPECT_FALSE(IsPlayable(1, 0));
  Top(39, kRed);
  EXPECT_TRUE(IsPlayable(1, 26));    // green Skip on red Skip
  EXPECT_FALSE(IsPlayable(1, 25));   // green Reverse
  Top(14, kGreen);
  EXPECT_TRUE(IsPlayable(1, 40));    // yellow 0 on green 0
  EXPECT_FALSE(IsPlayable(1, 41));
  // A Wild on top: only the named colour and wilds, whatever lies under it.
  SetPile(gameTable.discardPile, {33, 53});
  gameTable.currentColor = kBlue;
  EXPECT_TRUE(IsPlayable(1, 4));
  EXPECT_TRUE(IsPlayable(1, 53));
  EXPECT_FALSE(IsPlayable(1, 33));
  EXPECT_FALSE(IsPlayable(1, 27));  // red 0: a wild has no face, not face 0 or 1
  SetPile(gameTable.discardPile, {54});
  EXPECT_FALSE(IsPlayable(1, 28));  // red 1
}

TEST(IsPlayable, WildDrawFourOnlyWithoutColourInForce) {
  ResetAll();
  Top(8, kBlue);
  SetPile(gameTable.hands[1], {54, 53, 3});
  EXPECT_FALSE(IsPlayable(1, 54));
  SetPile(gameTable.hands[1], {54, 53, 16});
  EXPECT_TRUE(IsPlayable(1, 54));
  SetPile(gameTable.hands[1], {54});
  EXPECT_TRUE(IsPlayable(1, 54));
  SetPile(gameTable.hands[1], {54, 20, 54});
  EXPECT_TRUE(IsPlayable(1, 54));
  SetPile(gameTable.hands[2], {54, 1});
  EXPECT_FALSE(IsPlayable(2, 54));  // the seat's own hand decides
  EXPECT_TRUE(IsPlayable(1, 54));
}

TEST(ChooseColor, MostCardsLowerColourOnTie) {
  ResetAll();
  const struct { std::initializer_list<int> hand; CardColor expected; } cases[] = {
      {{2, 15, 28, 41}, kBlue}, {{15, 16, 28, 29}, kGreen}, {{40, 41, 27}, kYellow}, {{53, 54}, kBlue}, {{}, kBlue}};
  for (const auto& c : cases) {
    SetPile(gameTable.hands[3], c.hand);
    EXPECT_EQ(ChooseColor(3), c.expected);
  }
  gameTable.currentColor = kRed;
  SetColorFromCard(53);
  SetColorFromCard(54);
  EXPECT_EQ(gameTable.currentColor, kRed);
  SetColorFromCard(40);
  EXPECT_EQ(gameTable.currentColor, kYellow);
}

TEST(NextPlayer, WrapsBothWays) {
  ResetAll(3);
  gameTable.direction = 1;
  EXPECT_EQ(NextPlayer(2), 0);
  EXPECT_EQ(NextPlayer(0), 1);
  gameTable.direction = -1;
  EXPECT_EQ(NextPlayer(0), 2);
  EXPECT_EQ(NextPlayer(2), 1);
}

struct PlayCase {
  int players, direction, seat;
  std::initializer_list<int> hand;
  int index;
  CardColor colorBefore;
  SoundCue cue;
  int nextPlayer, directionAfter;
  CardColor colorAfter;
  int victim, victimGets;
};

TEST(PlayCard, EffectsTurnAndCue) {
  const PlayCase cases[] = {
      {4, 1, 1, {5, 12}, 1, kBlue, IDW_BOING, 0, -1, kBlue, -1, 0},        // Reverse among four
      {2, 1, 0, {5, 12}, 1, kBlue, IDW_BOING, 0, 1, kBlue, -1, 0},         // Reverse between two: Skip
      {3, 1, 2, {13, 5}, 0, kBlue, IDW_BOING, 1, 1, kBlue, -1, 0},         // Skip
      {4, -1, 0, {11, 5}, 0, kBlue, IDW_BOING, 2, -1, kBlue, 3, 2},        // Draw Two, backwards
      {4, 1, 2, {54, 14, 15, 40}, 0, kRed, IDW_LOSE, 0, 1, kGreen, 3, 4},  // Wild Draw Four
      {4, 1, 3, {53, 30}, 0, kBlue, IDW_BOING, 0, 1, kRed, -1, 0},         // Wild, computer names red
      {4, 1, 1, {5, 28}, 1, kBlue, IDW_CLICK, 2, 1, kRed, -1, 0},          // red 1 on blue 1 (face)
      {4, 1, 2, {11}, 0, kBlue, IDW_BOING, 0, 1, kBlue, 3, 2},             // going out with a Draw Two
  };
  for (const PlayCase& c : cases) {
    ResetAll(c.players);
    GameTable& t = gameTable;
    SetPile(t.drawPile, {1, 2, 3, 4, 5, 6});
    SetPile(t.discardPile, {2});
    SetPile(t.hands[c.seat], c.hand);
    t.direction = static_cast<std::int8_t>(c.direction);
    t.currentColor = c.colorBefore;
    t.currentPlayer = static_cast<std::uint8_t>(c.seat);
    const int card = t.hands[c.seat].cards[c.index];
    const int handBefore = static_cast<int>(c.hand.size());
    SoundCue cue = nullptr;
    SCOPED_TRACE(card);
    ASSERT_TRUE(PlayCard(c.seat, c.index, &cue));
    EXPECT_EQ(cue, c.cue);
    EXPECT_EQ(PileTop(t.discardPile), card);
    EXPECT_EQ(PileCount(t.hands[c.seat]), handBefore - 1);
    EXPECT_EQ(t.currentPlayer, c.nextPlayer);
    EXPECT_EQ(t.direction, c.directionAfter);
    EXPECT_EQ(t.currentColor, c.colorAfter);
    if (c.victim >= 0) {
      EXPECT_EQ(PileCount(t.hands[c.victim]), c.victimGets);
    }
    EXPECT_EQ(PileCount(t.drawPile), 6 - c.victimGets);
  }
}

TEST(PlayCard, HumanWildAsksWithCardAlreadyOnTheDiscardPile) {
  ResetAll();
  GameTable& t = gameTable;
  SetPile(t.discardPile, {2});
  SetPile(t.hands[0], {7, 53, 9});
  t.direction = 1;
  t.currentColor = kBlue;
  fakeShell.colorAnswers = {kYellow};
  SoundCue cue = nullptr;
  ASSERT_TRUE(PlayCard(0, 1, &cue));
  EXPECT_EQ(Events(), (std::vector<std::string>{"AskColor"}));
  const GameTable& seen = fakeShell.atLastDialog;
  EXPECT_EQ(PileTop(seen.discardPile), 53);
  EXPECT_EQ(Cards(seen.hands[0]), (std::vector<int>{7, 9}));
  EXPECT_EQ(seen.currentColor, kBlue);
  EXPECT_EQ(seen.currentPlayer, 0);
  EXPECT_EQ(t.currentColor, kYellow);
  EXPECT_EQ(t.currentPlayer, 1);
  EXPECT_EQ(cue, IDW_BOING);
}

TEST(PlayCard, RefusedCardChangesNothing) {
  ResetAll();
  GameTable& t = gameTable;
  SetPile(t.discardPile, {2});
  SetPile(t.hands[1], {30, 54, 3});
  t.direction = 1;
  t.currentColor = kBlue;
  t.currentPlayer = 1;
  const GameTable before = t;
  SoundCue cue = IDW_ZOT;
  EXPECT_FALSE(PlayCard(1, 0, &cue));  // red 4 on blue 1
  EXPECT_FALSE(PlayCard(1, 1, &cue));  // Wild Draw Four while holding blue
  EXPECT_FALSE(PlayCard(1, 3, &cue));  // past the end of the hand
  EXPECT_EQ(cue, IDW_ZOT);
  EXPECT_TRUE(SameTable(before, t));
}
