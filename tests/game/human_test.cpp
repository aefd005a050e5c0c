#include <gtest/gtest.h>

#include "game/table_input.h"
#include "game/layout.h"
#include "game/pacing.h"
#include "game/rules.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

namespace {
constexpr int kPileX = 260;
constexpr int kPileY = 170;

// Human to move on a red 1 with red in force, three players.
void SetUpHuman(std::initializer_list<int> hand, std::initializer_list<int> drawPile) {
  ResetAll(3);
  GameTable& t = gameTable;
  t.dealActive = 1;
  t.direction = 1;
  t.currentColor = kRed;
  SetPile(t.discardPile, {28});
  SetPile(t.drawPile, drawPile);
  SetPile(t.hands[0], hand);
  SetPile(t.hands[1], {53, 53});
  SetPile(t.hands[2], {53, 53});
  fakeShell.tick = 4242;
}

void ClickCard(int index) { OnTableClick(HandCardLeft(PileCount(gameTable.hands[0]), index) + 1, 300); }
}  // namespace

TEST(HandLayout, SpacingAndStrictHitTest) {
  const struct { int n, first, step; } layouts[] = {{7, 210, 20}, {12, 160, 20}, {13, 180, 16}, {25, 138, 12}, {37, 144, 8}};
  for (const auto& l : layouts) {
    EXPECT_EQ(HandCardLeft(l.n, 0), l.first) << l.n;
    EXPECT_EQ(HandCardLeft(l.n, 1) - HandCardLeft(l.n, 0), l.step) << l.n;
  }
  EXPECT_EQ(HandCardAt(7, 235, 300), 1);  // on cards 0 and 1: the upper one
  EXPECT_EQ(HandCardAt(7, 230, 300), 0);  // the left edge of card 1 is not on it
  EXPECT_EQ(HandCardAt(7, 210, 300), -1);
  EXPECT_EQ(HandCardAt(7, 389, 300), 6);
  EXPECT_EQ(HandCardAt(7, 390, 300), -1);
  EXPECT_EQ(HandCardAt(7, 215, 250), -1);
  EXPECT_EQ(HandCardAt(7, 215, 251), 0);
  EXPECT_EQ(HandCardAt(7, 215, 340), -1);
  EXPECT_EQ(HandCardAt(0, 300, 300), -1);
  EXPECT_TRUE(OnDrawPile(231, 126));
  EXPECT_TRUE(OnDrawPile(289, 214));
  EXPECT_FALSE(OnDrawPile(230, 170));
  EXPECT_FALSE(OnDrawPile(290, 170));
  EXPECT_FALSE(OnDrawPile(260, 125));
  EXPECT_FALSE(OnDrawPile(260, 215));
}

TEST(OnTableClick, IdleStartsMatchAndComputerTurnOnlyRedraws) {
  ResetAll(4);
  OnTableClick(5, 5);
  EXPECT_TRUE(gameTable.dealActive);
  EXPECT_EQ(fakeShell.events.back(), "render");
  EXPECT_EQ(PileCount(gameTable.hands[3]), 7);

  SetUpHuman({29}, {5});
  gameTable.currentPlayer = 1;
  const GameTable before = gameTable;
  ClickCard(0);
  OnTableClick(kPileX, kPileY);
  EXPECT_EQ(Events(), (std::vector<std::string>{"render", "render"}));
  EXPECT_TRUE(SameTable(before, gameTable));
}

TEST(OnTableClick, RefusedPressesPlayErrorAndChangeNothing) {
  SetUpHuman({4, 29, 5}, {6});
  const GameTable before = gameTable;
  ClickCard(0);                   // blue 3 on red 1
  OnTableClick(350, 170);         // discard pile
  OnTableClick(500, 50);          // felt
  OnTableClick(HandCardLeft(3, 0), 300);  // left edge of the hand: no card
  EXPECT_EQ(Events(), (std::vector<std::string>{"IDW_ERROR", "render", "IDW_ERROR", "render", "IDW_ERROR", "render",
                                                "IDW_ERROR", "render"}));
  EXPECT_TRUE(SameTable(before, gameTable));
}

TEST(OnTableClick, PlaysCardsWithZotAndGoingOut) {
  SetUpHuman({4, 29, 30}, {6});
  ClickCard(1);
  EXPECT_EQ(PileTop(gameTable.discardPile), 29);
  EXPECT_EQ(gameTable.currentPlayer, 1);
  EXPECT_EQ(Events("cues"), (std::vector<std::string>{"IDW_CLICK"}));
  EXPECT_TRUE(gameTable.computerTurnPending);
  EXPECT_EQ(gameTable.lastTurnTick, 4242u);

  SetUpHuman({4, 30}, {6});
  ClickCard(1);
  EXPECT_EQ(Events("cues"), (std::vector<std::string>{"IDW_ZOT"}));

  // A Wild Draw Four as the last card: colour first, then the deal ends; no move cue.
  SetUpHuman({54}, {1, 2, 3, 4, 5});
  fakeShell.colorAnswers = {kGreen};
  ClickCard(0);
  EXPECT_EQ(Events(), (std::vector<std::string>{"AskColor", "render", "IDW_CLAPS", "DealScores", "IDW_CLAPS",
                                                "MatchWon", "render"}));
  EXPECT_EQ(PileCount(gameTable.hands[1]), 6);
  EXPECT_FALSE(gameTable.computerTurnPending);
}

TEST(OnTableClick, DrawUnderStandardRules) {
  const struct {
    const char* name;
    std::initializer_list<int> hand, drawPile;
    std::deque<bool> answer;
    int asked, handAfter, turn;
    const char* cue;
  } cases[] = {
      {"playable, declined", {4, 5}, {30}, {false}, 1, 3, 1, "IDW_CLICK"},
      {"playable, accepted", {4, 5}, {39}, {true}, 1, 2, 2, "IDW_BOING"},
      {"accepted with one card before", {4}, {30}, {true}, 1, 1, 1, "IDW_ZOT"},
      {"not playable: no question", {4, 5}, {6}, {true}, 0, 3, 1, "IDW_CLICK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUpHuman(c.hand, c.drawPile);
    fakeShell.drawnAnswers = c.answer;
    OnTableClick(kPileX, kPileY);
    EXPECT_EQ(Count("AskDrawn"), c.asked);
    EXPECT_EQ(fakeShell.events.front(), "render");  // the drawn card is on view first
    EXPECT_EQ(PileCount(gameTable.hands[0]), c.handAfter);
    EXPECT_EQ(gameTable.currentPlayer, c.turn);
    EXPECT_EQ(Events("cues"), (std::vector<std::string>{c.cue}));
    EXPECT_TRUE(gameTable.computerTurnPending);
  }
  // The question is asked with the turn already passed on.
  SetUpHuman({4, 5}, {30});
  OnTableClick(kPileX, kPileY);
  EXPECT_EQ(fakeShell.atLastDialog.currentPlayer, 1);
}

TEST(OnTableClick, DrawUntilPlayableKeepsTheTurn) {
  SetUpHuman({4, 29}, {30, 6});
  gameTable.drawUntilPlayable = 1;
  OnTableClick(kPileX, kPileY);
  OnTableClick(kPileX, kPileY);
  EXPECT_EQ(Cards(gameTable.hands[0]), (std::vector<int>{4, 29, 6, 30}));
  EXPECT_EQ(gameTable.currentPlayer, 0);
  EXPECT_EQ(Events("cues"), (std::vector<std::string>{"IDW_CLICK", "IDW_CLICK"}));
  EXPECT_EQ(Count("AskDrawn"), 0);
  EXPECT_TRUE(gameTable.computerTurnPending);
}

TEST(OnTableClick, EmptyDrawPileStillGivesAMove) {
  for (int untilPlayable : {0, 1}) {
    SCOPED_TRACE(untilPlayable);
    // The discard pile holds more than its top: the press refills and draws.
    SetUpHuman({4, 5}, {});
    gameTable.drawUntilPlayable = untilPlayable;
    SetPile(gameTable.discardPile, {7, 28});
    OnTableClick(kPileX, kPileY);
    EXPECT_EQ(Cards(gameTable.hands[0]), (std::vector<int>{4, 5, 7}));
    EXPECT_EQ(Cards(gameTable.discardPile), (std::vector<int>{28}));
    EXPECT_EQ(gameTable.currentPlayer, untilPlayable ? 0 : 1);

    // No card to be had at all: the press passes the turn, pacing armed.
    for (auto hand : {std::initializer_list<int>{4, 5}, std::initializer_list<int>{4}}) {
      SetUpHuman(hand, {});
      gameTable.drawUntilPlayable = untilPlayable;
      OnTableClick(kPileX, kPileY);
      EXPECT_EQ(PileCount(gameTable.hands[0]), static_cast<int>(hand.size()));
      EXPECT_EQ(Cards(gameTable.discardPile), (std::vector<int>{28}));
      EXPECT_EQ(gameTable.currentPlayer, 1);
      EXPECT_EQ(Events("cues"), (std::vector<std::string>{hand.size() == 1 ? "IDW_ZOT" : "IDW_CLICK"}));
      EXPECT_TRUE(gameTable.computerTurnPending);
      EXPECT_EQ(Count("AskDrawn"), 0);
    }
  }
}

// Keys act as presses: the same table and the same record as the press would give.
TEST(OnTableKey, SelectionMovesAndKeysPlayAsPresses) {
  SetUpHuman({5, 33, 40, 7}, {9});
  HideHandSelection();
  handSelection.index = 0;
  const struct { TableKey key; int selected; } moves[] = {
      {TableKey::kRight, 0},  // the first key only shows the selection
      {TableKey::kRight, 1}, {TableKey::kLeft, 0}, {TableKey::kLeft, 0},
      {TableKey::kLast, 3},  {TableKey::kRight, 3}, {TableKey::kFirst, 0},
  };
  EXPECT_EQ(SelectedHandCard(), -1);
  for (const auto& m : moves) {
    OnTableKey(m.key);
    EXPECT_EQ(SelectedHandCard(), m.selected);
  }
  EXPECT_EQ(Count("render"), 7);
  EXPECT_EQ(Events("cues").size(), 0u);

  // Enter on red 5 (index 1) and D on the pile, each against the same press.
  for (TableKey key : {TableKey::kPlay, TableKey::kDraw}) {
    SetUpHuman({5, 33, 40, 7}, {9});
    ClickCard(1);
    if (key == TableKey::kDraw) {
      SetUpHuman({5, 33, 40, 7}, {9});
      OnTableClick(kPileX, kPileY);
    }
    const GameTable pressed = gameTable;
    const std::vector<std::string> pressEvents = fakeShell.events;
    SetUpHuman({5, 33, 40, 7}, {9});
    handSelection = {1, true};
    OnTableKey(key);
    EXPECT_TRUE(SameTable(gameTable, pressed));
    EXPECT_EQ(fakeShell.events, pressEvents);
  }

  // Enter before anything shows plays nothing; a press hides the selection.
  SetUpHuman({5, 33}, {9});
  HideHandSelection();
  OnTableKey(TableKey::kPlay);
  EXPECT_EQ(PileCount(gameTable.hands[0]), 2);
  EXPECT_EQ(SelectedHandCard(), 1);  // where it was last, within the hand
  OnTablePress(5, 5);  // the felt: refused, and the selection goes with the press
  EXPECT_EQ(SelectedHandCard(), -1);
  EXPECT_EQ(Events("cues"), (std::vector<std::string>{"IDW_ERROR"}));

  // On the idle table Enter starts a match, as a press anywhere does.
  ResetAll(4);
  OnTableKey(TableKey::kPlay);
  EXPECT_TRUE(gameTable.dealActive);
}
