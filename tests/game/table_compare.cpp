// Piles and tables compared, for the fake-shell tests and the headless ones alike.
#include "tests/game/table_compare.h"

void SetPile(CardPile& pile, std::initializer_list<int> cards) {
  int i = 0;
  for (const int c : cards) pile.cards[i++] = static_cast<CardCode>(c);
  pile.cards[i] = kNoCard;
}

std::vector<int> Cards(const CardPile& pile) {
  std::vector<int> out;
  for (int i = 0; pile.cards[i] != kNoCard; ++i) out.push_back(pile.cards[i]);
  return out;
}

bool SameTable(const GameTable& a, const GameTable& b) {
  bool same = a.direction == b.direction && a.soundOn == b.soundOn && a.lastTurnTick == b.lastTurnTick &&
              a.playerCount == b.playerCount && a.dealActive == b.dealActive &&
              a.drawUntilPlayable == b.drawUntilPlayable && a.currentPlayer == b.currentPlayer &&
              a.currentColor == b.currentColor && a.computerTurnPending == b.computerTurnPending &&
              a.singleDealMatch == b.singleDealMatch && a.houseRules == b.houseRules &&
              a.pendingTotal == b.pendingTotal && a.zotCall == b.zotCall && Cards(a.drawPile) == Cards(b.drawPile) &&
              Cards(a.discardPile) == Cards(b.discardPile);
  for (int i = 0; i < kSeatCount; ++i) {
    same = same && a.handPoints[i] == b.handPoints[i] && a.matchScores[i] == b.matchScores[i] &&
           Cards(a.hands[i]) == Cards(b.hands[i]);
  }
  return same;
}
