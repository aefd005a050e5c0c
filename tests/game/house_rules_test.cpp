#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/computer.h"
#include "game/human.h"
#include "game/table.h"
#include "tests/game/fake_shell.h"

namespace {

// A red 1 on the pile with red in force, play clockwise. Cards: red 0 27, red 1 28, red 2 29, red 7 34,
// red Draw Two 37, red Skip 39, blue 1 2, blue 4 5, blue Draw Two 11, green Draw Two 24, Wild 53, Wild Draw Four 54.
// The moves, in order: a digit plays that card of the human's hand, d presses the draw pile, z says Zot, c is the
// move of the computer seat whose turn it is.
TEST(HouseRules, EachRuleAtItsEdges) {
  const struct {
    std::uint8_t house;
    int mover, pending, top;
    std::vector<std::vector<int>> hands;
    std::vector<int> drawPile, seats;  // seats: the human's answers to the 7's question
    const char* moves;
    std::string told;
    std::vector<int> humanAfter;  // the human's hand after the moves, when it matters
  } cases[] = {
      // Stacking: only a draw card answers a total, a Wild Draw Four never while the colour is held.
      {kHouseStack, 0, 2, 37, {{54, 29}, {53}, {53}, {53}}, {}, {}, "0", "refuse 0 54, IDW_ERROR", {}},
      {kHouseStack, 0, 2, 37, {{29, 2}, {53}, {53}, {53}}, {}, {}, "0", "refuse 0 29, IDW_ERROR", {}},
      {kHouseStack, 0, 2, 37, {{54, 2, 5}, {53}, {53}, {53}}, {}, {}, "0", "AskColor, play 0 54 0, stack 1 6, IDW_LOSE", {}},
      {kHouseStack, 0, 4, 54, {{11, 2}, {53}, {53}, {53}}, {}, {}, "0", "refuse 0 11, IDW_ERROR", {}},
      {kHouseStack, 0, 2, 37, {{11, 2, 5}, {53}, {53}, {53}}, {5, 6, 7, 8}, {}, "0c",
       "play 0 11 0, stack 1 4, IDW_BOING, take 1 4, skip 1, IDW_CLICK", {}},
      // A total over the stock: what there is.
      {kHouseStack, 0, 6, 37, {{29, 2}, {53}, {53}, {53}}, {5, 6, 7}, {}, "d", "take 0 3, skip 0, IDW_CLICK", {}},
      // The computer answers with its last stacking card in hand order.
      {kHouseStack, 1, 2, 37, {{53}, {24, 4, 11}, {53}, {53}}, {}, {}, "c", "play 1 11 0, stack 2 4, IDW_BOING", {}},
      // A winning draw card: the next seat takes the total before the scores.
      {kHouseStack, 0, 2, 37, {{37}, {53}, {53}, {53}}, {5, 6, 7, 8}, {}, "0",
       "play 0 37 2, stack 1 4, take 1 4, skip 1, IDW_CLAPS, end 0, DealScores, IDW_CLAPS, over 0, MatchWon", {}},
      // Sevens and zeros: no question between two; the human's choice; the computer's fewest, ties in play order.
      {kHouseSevenZero, 0, 0, 28, {{34, 4}, {53, 53, 53}}, {}, {}, "0", "play 0 34 2, swap 0 1, IDW_CLICK",
       {53, 53, 53}},
      {kHouseSevenZero, 0, 0, 28, {{34, 4}, {53}, {53, 53}, {2}}, {}, {2}, "0",
       "play 0 34 2, AskSeat, swap 0 2, IDW_CLICK", {53, 53}},
      {kHouseSevenZero, 0, 0, 28, {{34, 4}, {53}, {53, 53}, {2}}, {}, {0}, "0",
       "play 0 34 2, AskSeat, swap 0 1, zot 0, IDW_ZOT", {53}},  // no seat of its own: the first offered
      {kHouseSevenZero, 2, 0, 28, {{5, 5}, {53, 53, 53}, {4, 34, 4}, {2, 5}}, {}, {}, "c",
       "play 2 34 2, swap 2 3, IDW_CLICK", {5, 5}},
      {kHouseSevenZero, 0, 0, 28, {{27, 4, 5}, {53}, {2, 2}, {11, 11, 11}}, {}, {}, "0", "play 0 27 2, pass 0 1, IDW_CLICK",
       {11, 11, 11}},
      {kHouseSevenZero, 0, 0, 28, {{34}, {53}}, {}, {}, "0",
       "play 0 34 2, IDW_CLAPS, end 0, DealScores, IDW_CLAPS, over 0, MatchWon", {}},
      // Saying Zot: before the play, after it, not at all, at the wrong time, and when the human moves again.
      {kHouseSayZot, 0, 0, 28, {{29, 4}, {53, 53}}, {5, 6}, {}, "z0c",
       "IDW_ZOT, say 0 1, play 0 29 2, zot 0, IDW_CLICK, play 1 53 0, zot 1, IDW_ZOT, turn 0", {4}},
      {kHouseSayZot, 0, 0, 28, {{29, 4}, {53, 53}}, {5, 6}, {}, "0zc",
       "play 0 29 2, IDW_CLICK, IDW_ZOT, say 0 1, play 1 53 0, zot 1, IDW_ZOT, turn 0", {4}},
      {kHouseSayZot, 0, 0, 28, {{29, 4}, {53, 53}}, {5}, {}, "0c",
       "play 0 29 2, IDW_CLICK, caught 0 2, play 1 53 0, zot 1, IDW_ZOT, turn 0", {4, 5, 28}},
      {kHouseSayZot, 0, 0, 28, {{29, 4, 5}, {53, 53}}, {}, {}, "z", "say 0 0", {}},
      {kHouseSayZot, 0, 0, 28, {{39, 4}, {53, 53}}, {5}, {}, "0dc",
       "play 0 39 2, skip 1, IDW_BOING, turn 0, draw 0 5, keep 0, IDW_CLICK, play 1 53 0, zot 1, IDW_ZOT, turn 0",
       {4, 5}},
      {0, 0, 0, 28, {{29, 4}, {53, 53}}, {}, {}, "z", "", {}},
  };
  for (const auto& c : cases) {
    const int players = static_cast<int>(c.hands.size());
    ResetAll(players);
    GameTable& t = gameTable;
    t.houseRules = c.house;
    t.dealActive = 1;
    t.direction = 1;
    t.currentColor = kRed;
    t.currentPlayer = static_cast<std::uint8_t>(c.mover);
    t.pendingTotal = c.pending;
    SetPile(t.discardPile, {c.top});
    PileClear(t.drawPile);
    for (std::size_t i = 0; i < c.drawPile.size(); ++i) t.drawPile.cards[i] = static_cast<CardCode>(c.drawPile[i]);
    for (int s = 0; s < players; ++s) {
      PileClear(t.hands[s]);
      for (std::size_t i = 0; i < c.hands[s].size(); ++i) t.hands[s].cards[i] = static_cast<CardCode>(c.hands[s][i]);
    }
    fakeShell.colorAnswers = {kBlue};
    fakeShell.seatAnswers.assign(c.seats.begin(), c.seats.end());
    fakeShell.hearTable = true;
    for (const char* m = c.moves; *m; ++m) {
      if (*m == 'z') SayZot();
      if (*m == 'd') DrawFromPile();
      if (*m == 'c') ComputerTurn(t.currentPlayer);
      if (*m >= '0' && *m <= '9') PlayHandCard(*m - '0');
    }
    std::string told;
    for (const std::string& e : Events()) told += e == "render" ? "" : (told.empty() ? "" : ", ") + e;
    EXPECT_EQ(told, c.told) << c.moves;
    if (!c.humanAfter.empty()) {
      EXPECT_EQ(Cards(t.hands[0]), c.humanAfter) << c.told;
    }
  }
}

}  // namespace
