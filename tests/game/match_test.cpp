#include <gtest/gtest.h>

#include <functional>

#include "game/cards.h"
#include "game/match.h"
#include "game/computer.h"
#include "game/table_input.h"
#include "game/layout.h"
#include "game/pacing.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

namespace {

// A generator state under which StartDeal's shuffle leaves cards fitting `first`
// (top first) right under the seats' seven cards each.
std::uint32_t StateWhere(int players, const std::function<bool(const CardCode*)>& first) {
  for (std::uint32_t s = 1; s < 5000000; ++s) {
    randomState = s;
    BuildDeck(gameTable.drawPile);
    ShuffleDrawPile(gameTable.drawPile);
    if (first(gameTable.drawPile.cards + 107 - 7 * players)) return s;
  }
  ADD_FAILURE() << "no such deck";
  return 1;
}

int CardsInPlay() {
  const GameTable& t = gameTable;
  int n = PileCount(t.drawPile) + PileCount(t.discardPile);
  for (int i = 0; i < t.playerCount; ++i) n += PileCount(t.hands[i]);
  return n;
}

bool IsFace(CardCode c, CardFace face) { return IsColoured(c) && FaceOf(c) == face; }

}  // namespace

TEST(StartDeal, FirstDiscardEffects) {
  const struct {
    const char* name;
    int players;
    std::function<bool(const CardCode*)> first;
    int turn, direction, humanCards;
    std::vector<std::string> events;
  } cases[] = {
      {"draw two", 4, [](const CardCode* c) { return IsFace(*c, kFaceDrawTwo); }, 1, 1, 9, {"IDW_BOING"}},
      {"reverse", 4, [](const CardCode* c) { return IsFace(*c, kFaceReverse); }, 3, -1, 7, {"IDW_BOING"}},
      {"reverse, two", 2, [](const CardCode* c) { return IsFace(*c, kFaceReverse); }, 1, -1, 7, {"IDW_BOING"}},
      {"skip", 3, [](const CardCode* c) { return IsFace(*c, kFaceSkip); }, 1, 1, 7, {"IDW_BOING"}},
      {"number", 4, [](const CardCode* c) { return IsColoured(*c) && FaceOf(*c) <= 9; }, 0, 1, 7, {}},
      {"wild", 4, [](const CardCode* c) { return *c == kWild; }, 0, 1, 7, {"IDW_BOING", "render", "AskColor"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetAll(c.players);
    const std::uint32_t state = StateWhere(c.players, c.first);
    ResetAll(c.players);
    randomState = state;
    fakeShell.tick = 777;
    fakeShell.colorAnswers = {kYellow};
    gameTable.currentColor = kGreen;
    StartDeal();
    const GameTable& t = gameTable;
    EXPECT_TRUE(t.dealActive);
    EXPECT_EQ(PileCount(t.discardPile), 1);
    EXPECT_TRUE(c.first(&t.discardPile.cards[0]));
    EXPECT_EQ(t.currentPlayer, c.turn);
    EXPECT_EQ(t.direction, c.direction);
    EXPECT_EQ(PileCount(t.hands[0]), c.humanCards);
    EXPECT_EQ(PileCount(t.hands[c.players - 1]), 7);
    EXPECT_EQ(Events(), c.events);
    EXPECT_EQ(t.computerTurnPending, c.turn != 0);
    if (c.turn != 0) {
      EXPECT_EQ(t.lastTurnTick, 777u);
    }
    const CardCode top = PileTop(t.discardPile);
    EXPECT_EQ(t.currentColor, top == kWild ? kYellow : ColorOf(top));
    EXPECT_EQ(CardsInPlay(), 108);
  }
}

TEST(StartDeal, WildDrawFoursAreCoveredAndStayUnderneath) {
  for (int covered = 1; covered <= 2; ++covered) {
    ResetAll(4);
    const std::uint32_t state = StateWhere(4, [covered](const CardCode* c) {
      for (int k = 0; k < covered; ++k) {
        if (c[-k] != kWildDrawFour) return false;
      }
      return c[-covered] != kWildDrawFour;
    });
    ResetAll(4);
    randomState = state;
    StartDeal();
    const std::vector<int> discard = Cards(gameTable.discardPile);
    ASSERT_EQ(static_cast<int>(discard.size()), covered + 1);
    for (int k = 0; k < covered; ++k) EXPECT_EQ(discard[k], kWildDrawFour);
    EXPECT_NE(discard.back(), kWildDrawFour);
    EXPECT_EQ(CardsInPlay(), 108);
  }
}

TEST(StartMatch, ZeroesOnlySeatsInPlay) {
  ResetAll(2);
  GameTable& t = gameTable;
  for (int i = 0; i < 4; ++i) {
    t.matchScores[i] = 300 + i;
    t.handPoints[i] = 10 + i;
  }
  SetPile(t.hands[3], {54, 54});
  StartMatch();
  EXPECT_EQ(std::vector<int>(t.matchScores, t.matchScores + 4), (std::vector<int>{0, 0, 302, 303}));
  EXPECT_EQ(std::vector<int>(t.handPoints, t.handPoints + 4), (std::vector<int>{10, 11, 12, 13}));
  EXPECT_EQ(Cards(t.hands[3]), (std::vector<int>{54, 54}));  // seat not in play: untouched
  EXPECT_EQ(CardsInPlay(), 108);

  // A player count the menu never sets must not deal past the four hands.
  t.playerCount = 9;
  StartMatch();
  EXPECT_EQ(t.playerCount, 4);
  EXPECT_EQ(CardsInPlay(), 108);
}

TEST(EndDeal, OneDealMatchDialogsAndCues) {
  for (int winner : {0, 2}) {
    ResetAll(3);
    GameTable& t = gameTable;
    t.dealActive = 1;
    t.computerTurnPending = 1;
    SetPile(t.hands[winner == 0 ? 1 : 0], {53});
    EndDeal(winner);
    const char* cue = winner == 0 ? "IDW_CLAPS" : "IDW_LOSE";
    EXPECT_EQ(Events(), (std::vector<std::string>{"render", cue, "DealScores", cue,
                                                  winner == 0 ? "MatchWon" : "MatchLost"}));
    EXPECT_FALSE(t.dealActive);
    EXPECT_FALSE(fakeShell.atLastDialog.dealActive);
    EXPECT_FALSE(t.computerTurnPending);
    EXPECT_EQ(t.matchScores[winner], 50);
  }
}

TEST(EndDeal, MatchToFiveHundred) {
  const struct {
    int players, winner;
    std::vector<int> scores;
    const char* result;  // dialog ending the match, or nullptr: next deal
  } cases[] = {
      {4, 0, {480, 0, 0, 0}, "MatchWon"},      // exactly 500
      {4, 1, {600, 480, 0, 0}, "MatchWon"},    // the human is tested first
      {3, 2, {0, 0, 490, 0}, "MatchLost"},
      {2, 1, {0, 100, 0, 900}, nullptr},       // seat 3 is not in play
  };
  for (const auto& c : cases) {
    ResetAll(c.players);
    GameTable& t = gameTable;
    t.singleDealMatch = 0;
    t.dealActive = 1;
    std::copy(c.scores.begin(), c.scores.end(), t.matchScores);
    SetPile(t.hands[c.winner == 0 ? 1 : 0], {13});  // 20 points
    EndDeal(c.winner);
    const std::vector<std::string> dialogs = Events("MatchWon").empty() ? Events("MatchLost") : Events("MatchWon");
    EXPECT_EQ(t.matchScores[c.winner], c.scores[c.winner] + 20);
    if (c.result) {
      EXPECT_EQ(dialogs, (std::vector<std::string>{c.result}));
      EXPECT_FALSE(t.dealActive);
      EXPECT_EQ(Events("cues").back(), std::string(c.result) == "MatchWon" ? "IDW_CLAPS" : "IDW_LOSE");
    } else {
      EXPECT_TRUE(dialogs.empty());
      EXPECT_TRUE(t.dealActive);
      EXPECT_GE(PileCount(t.hands[0]), 7);
      EXPECT_EQ(CardsInPlay(), 108);
      EXPECT_EQ(t.matchScores[3], 900);
    }
  }
}

// What the rules tell for each kind of move, among cues and dialogs. Seat `mover` is to move on a red 1 with red
// in force, the others hold two Wilds; the human names green and declines a drawn card.
TEST(TableEvents, ToldOnceInOrderWithCuesAndDialogs) {
  const struct {
    int players, mover, press;  // the human's card, -1 the draw pile, -2 the idle table
    std::initializer_list<int> hand, drawPile;
    CardCode firstDiscard;      // set: to 500, the next deal opened with that card
    std::string told;
  } cases[] = {
      {4, 0, 1, {4, 29, 30}, {}, 0, "play 0 29 2, IDW_CLICK"},
      {4, 0, 0, {4, 29}, {}, 0, "refuse 0 4, IDW_ERROR"},
      {4, 0, 0, {39, 4, 5}, {}, 0, "play 0 39 2, skip 1, IDW_BOING"},
      {2, 0, 0, {39, 4, 5}, {}, 0, "play 0 39 2, skip 1, IDW_BOING, turn 0"},
      {4, 0, 0, {38, 4, 5}, {}, 0, "play 0 38 2, reverse -1, IDW_BOING"},
      {2, 0, 0, {38, 4, 5}, {}, 0, "play 0 38 2, skip 1, IDW_BOING, turn 0"},
      {4, 0, 0, {37, 4, 5}, {5, 6}, 0, "play 0 37 2, take 1 2, skip 1, IDW_BOING"},
      {2, 0, 0, {37, 4, 5}, {5, 6}, 0, "play 0 37 2, take 1 2, skip 1, IDW_BOING, turn 0"},
      {4, 0, 0, {54, 4, 5}, {5, 6, 7, 8}, 0, "AskColor, play 0 54 1, take 1 4, skip 1, IDW_LOSE"},
      {2, 0, 0, {54, 4, 5}, {5, 6}, 0, "AskColor, play 0 54 1, take 1 3, skip 1, IDW_LOSE, turn 0"},  // short stock
      {4, 0, 0, {53, 4, 5}, {}, 0, "AskColor, play 0 53 1, IDW_BOING"},
      {4, 0, -1, {4, 5}, {30}, 0, "draw 0 30, AskDrawn, keep 0, IDW_CLICK"},
      {4, 3, 0, {4, 5}, {30}, 0, "draw 3 30, play 3 30 2, IDW_CLICK, turn 0"},
      {4, 1, 0, {4, 5}, {}, 0, "draw 1 0, keep 1, IDW_CLICK"},
      {4, 3, 0, {4, 30}, {}, 0, "play 3 30 2, zot 3, IDW_ZOT, turn 0"},
      {4, 0, 0, {30}, {}, 0, "play 0 30 2, IDW_CLAPS, end 0, DealScores, IDW_CLAPS, over 0, MatchWon"},
      {2, 0, 0, {30}, {}, 28, "play 0 30 2, IDW_CLAPS, end 0, DealScores, deal 0 28 2, hand 0, hand 1, turn 0"},
      {4, 0, -2, {}, {}, kWild, "match, IDW_BOING, AskColor, deal 0 53 1, hand 0, hand 1, hand 2, hand 3, turn 0"},
  };
  for (const auto& c : cases) {
    ResetAll(c.players);
    if (c.firstDiscard) randomState = StateWhere(c.players, [&c](const CardCode* d) { return *d == c.firstDiscard; });
    GameTable& t = gameTable;
    t.dealActive = c.press != -2;
    t.direction = 1;
    t.currentColor = kRed;
    t.currentPlayer = static_cast<std::uint8_t>(c.mover);
    t.singleDealMatch = !c.firstDiscard;
    SetPile(t.discardPile, {28});
    SetPile(t.drawPile, c.drawPile);
    for (int s = 0; s < c.players; ++s) SetPile(t.hands[s], s == c.mover ? c.hand : std::initializer_list<int>{53, 53});
    fakeShell.colorAnswers = {kGreen};
    fakeShell.hearTable = true;
    const int x = c.press < 0 ? 260 : HandCardLeft(PileCount(t.hands[0]), c.press) + 1;
    if (c.mover != 0) ComputerTurn(c.mover);
    if (c.mover == 0) OnTableClick(x, c.press < 0 ? 170 : 300);
    std::string told;
    for (const std::string& e : Events()) told += e == "render" ? "" : (told.empty() ? "" : ", ") + e;
    EXPECT_EQ(told, c.told);
  }
}
