#include <gtest/gtest.h>

#include <functional>

#include "game/cards.h"
#include "game/match.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

namespace {

// A generator state under which StartDeal's shuffle leaves cards fitting `first`
// (top first) right under the seats' seven cards each.
std::uint32_t StateWhere(int players, const std::function<bool(const CardCode*)>& first) {
  for (std::uint32_t s = 1; s < 5000000; ++s) {
    randomState = s;
    BuildDeck();
    ShuffleDrawPile();
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
